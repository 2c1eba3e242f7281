#pragma once
// Format: fills the directives of a text with arguments, in the manner of the language texts that hold them
// ("%s scored %d goals"). The texts come from the language files, which are outside input: a directive that
// has no argument, or an argument of another kind, never reads what it was not given; it shows a visible
// marker "[%d?]" (the directive as written, with a question mark) and the rest of the text is still filled.
//
// Directives: "%" [index ":"] ["-"] [width] ["." precision] type, where index, width and precision are
// decimal numbers or "*" (taken from the next argument, which must be an integer) and type is one of
//   d  integer, precision = least number of digits     u  integer shown unsigned
//   x  integer in upper-case hexadecimal                s  text, precision = most characters shown
//   f  fixed decimals (precision, default 2)            e  scientific, precision = digits (default 15)
//   g  the shorter of fixed or scientific (default 15 significant digits, trailing zeros removed)
//   n  as f with a blank between the thousands          m  as n (amounts of money go through FormatMoney)
// "%%" stands for one "%". "-" aligns left within the width. An index picks the argument (from 0); the
// directives after it go on from there. Widths and precisions are capped at 255.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

class TFormatArg {
public:
    template <typename T>
    requires std::is_integral_v<T> TFormatArg(T v) : value_(static_cast<std::int64_t>(v)) {}
    template <typename T>
    requires std::is_floating_point_v<T> TFormatArg(T v) : value_(static_cast<long double>(v)) {}
    TFormatArg(std::string v) : value_(std::move(v)) {}
    TFormatArg(std::string_view v) : value_(std::string(v)) {}
    TFormatArg(const char* v) : value_(std::string(v ? v : "")) {}

    const std::int64_t* Integer() const { return std::get_if<std::int64_t>(&value_); }
    const long double* Real() const { return std::get_if<long double>(&value_); }
    const std::string* Text() const { return std::get_if<std::string>(&value_); }

private:
    std::variant<std::int64_t, long double, std::string> value_;
};

std::string Format(std::string_view format, const std::vector<TFormatArg>& args);
inline std::string Format(std::string_view format, std::initializer_list<TFormatArg> args) {
    return Format(format, std::vector<TFormatArg>(args));
}
