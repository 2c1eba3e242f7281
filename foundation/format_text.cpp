#include "foundation/format_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr int kMaxField = 255;

struct Directive {
    std::string_view written; // the directive as it stands in the text, for the marker
    int index = -1;           // -1: the next argument
    bool left = false;
    int width = -1;
    int precision = -1;
    char type = 0;
};

std::string Marker(std::string_view written) {
    return "[" + std::string(written) + "?]";
}

std::string Pad(std::string s, const Directive& d) {
    if (d.width > 0 && static_cast<int>(s.size()) < d.width) {
        const std::string blanks(static_cast<std::size_t>(d.width) - s.size(), ' ');
        s = d.left ? s + blanks : blanks + s;
    }
    return s;
}

std::string WithLeastDigits(std::string digits, int precision) {
    if (precision > static_cast<int>(digits.size()))
        digits.insert(0, static_cast<std::size_t>(precision) - digits.size(), '0');
    return digits;
}

// An integer shown unsigned: values that fit 32 bits are taken as a 32-bit unsigned, like the integers of
// the game's records; wider ones as 64-bit.
std::uint64_t AsUnsigned(std::int64_t v) {
    if (v >= INT32_MIN && v <= INT32_MAX) return static_cast<std::uint32_t>(static_cast<std::int32_t>(v));
    return static_cast<std::uint64_t>(v);
}

std::string SpecialReal(long double v) {
    if (std::isnan(v)) return "NAN";
    return v < 0 ? "-INF" : "INF";
}

std::string Printf(const char* fmt, int precision, long double v) {
    const int size = std::snprintf(nullptr, 0, fmt, precision, v);
    if (size <= 0) return {};
    std::string buf(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(buf.data(), buf.size(), fmt, precision, v);
    buf.resize(static_cast<std::size_t>(size));
    return buf;
}

// "1.50000000000000E+002": the precision counts every digit of the mantissa; the exponent has at least 3.
std::string Scientific(long double v, int digits, bool shortest) {
    std::string s = Printf("%.*LE", digits - 1, v);
    const std::size_t e = s.find('E');
    std::string mantissa = s.substr(0, e);
    const int exponent = std::atoi(s.c_str() + e + 1);
    if (shortest && mantissa.find('.') != std::string::npos) {
        while (mantissa.back() == '0') mantissa.pop_back();
        if (mantissa.back() == '.') mantissa.pop_back();
    }
    std::string exp = std::to_string(std::abs(exponent));
    if (shortest) return mantissa + "E" + (exponent < 0 ? "-" : "") + exp;
    return mantissa + "E" + (exponent < 0 ? "-" : "+") + WithLeastDigits(exp, 3);
}

std::string General(long double v, int digits) {
    if (v == 0) return "0";
    const std::string sci = Printf("%.*LE", digits - 1, v);
    const int exponent = std::atoi(sci.c_str() + sci.find('E') + 1);
    if (exponent >= digits || std::fabs(v) < 0.00001L) return Scientific(v, digits, true);
    std::string s = Printf("%.*Lf", std::max(0, digits - 1 - exponent), v);
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    return s;
}

std::string WithThousands(long double v, int decimals) {
    std::string s = Printf("%.*Lf", decimals, v);
    const std::size_t start = (s[0] == '-') ? 1 : 0;
    std::size_t point = s.find('.');
    if (point == std::string::npos) point = s.size();
    for (std::size_t i = point; i > start + 3; i -= 3) s.insert(i - 3, 1, ' ');
    return s;
}

// Reads a decimal number or "*" (taken from the arguments). False when "*" has no integer argument.
bool ReadNumber(std::string_view f, std::size_t& i, const std::vector<TFormatArg>& args, std::size_t& next,
                int& out) {
    if (i < f.size() && f[i] == '*') {
        ++i;
        if (next >= args.size() || !args[next].Integer()) return false;
        const std::int64_t v = *args[next++].Integer();
        // The magnitude is capped before it is taken: the most negative integer has no opposite.
        out = v <= -kMaxField || v >= kMaxField ? kMaxField : static_cast<int>(v < 0 ? -v : v);
        return true;
    }
    if (i >= f.size() || f[i] < '0' || f[i] > '9') return true;
    long long v = 0;
    while (i < f.size() && f[i] >= '0' && f[i] <= '9') {
        v = std::min<long long>(v * 10 + (f[i] - '0'), 1000000);
        ++i;
    }
    out = static_cast<int>(v);
    return true;
}

// Formats one directive with its argument; false when the argument is missing or of another kind.
bool Convert(const Directive& d, const TFormatArg& arg, std::string& out) {
    const int precision = std::min(d.precision, kMaxField);
    switch (d.type) {
    case 'd':
        if (const std::int64_t* v = arg.Integer()) {
            const std::uint64_t magnitude =
                *v < 0 ? 0 - static_cast<std::uint64_t>(*v) : static_cast<std::uint64_t>(*v);
            out = (*v < 0 ? "-" : "") + WithLeastDigits(std::to_string(magnitude), precision);
            return true;
        }
        return false;
    case 'u':
        if (const std::int64_t* v = arg.Integer()) {
            out = WithLeastDigits(std::to_string(AsUnsigned(*v)), precision);
            return true;
        }
        return false;
    case 'x':
        if (const std::int64_t* v = arg.Integer()) {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%llX", static_cast<unsigned long long>(AsUnsigned(*v)));
            out = WithLeastDigits(buf, precision);
            return true;
        }
        return false;
    case 's':
        if (const std::string* v = arg.Text()) {
            out = precision >= 0 ? v->substr(0, static_cast<std::size_t>(precision)) : *v;
            return true;
        }
        return false;
    default:
        break;
    }
    const long double* v = arg.Real();
    if (!v) return false;
    if (!std::isfinite(*v)) {
        out = SpecialReal(*v);
        return true;
    }
    switch (d.type) {
    case 'f':
        out = Printf("%.*Lf", precision >= 0 ? precision : 2, *v);
        return true;
    case 'e':
        out = Scientific(*v, precision > 0 ? std::min(precision, 18) : 15, false);
        return true;
    case 'g':
        out = General(*v, precision > 0 ? std::min(precision, 18) : 15);
        return true;
    case 'n':
    case 'm':
        out = WithThousands(*v, precision >= 0 ? precision : 2);
        return true;
    default:
        return false;
    }
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
} // namespace

std::string Format(std::string_view format, const std::vector<TFormatArg>& args) {
    std::string out;
    std::size_t next = 0;
    std::size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        if (c != '%') {
            out += c;
            ++i;
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            i += 2;
            continue;
        }
        const std::size_t start = i++;
        Directive d;
        bool ok = true;
        // The first number is the index when a colon follows it, else the width.
        int first = -1;
        ok = ReadNumber(format, i, args, next, first);
        if (ok && i < format.size() && format[i] == ':') {
            ++i;
            d.index = first;
            first = -1;
        }
        if (ok && first < 0) {
            if (i < format.size() && format[i] == '-') {
                d.left = true;
                ++i;
            }
            ok = ReadNumber(format, i, args, next, d.width);
        } else {
            d.width = first;
        }
        if (ok && i < format.size() && format[i] == '.') {
            ++i;
            d.precision = 0;
            ok = ReadNumber(format, i, args, next, d.precision);
        }
        d.width = std::min(d.width, kMaxField);
        if (i < format.size()) d.type = Lower(format[i++]);
        d.written = format.substr(start, i - start);
        if (d.index >= 0) next = static_cast<std::size_t>(d.index);
        std::string text;
        if (ok && next < args.size() && Convert(d, args[next], text)) {
            out += Pad(text, d);
        } else {
            out += Marker(d.written);
        }
        // A directive takes its argument even when it could not show it, so that the ones after it still
        // meet the arguments meant for them.
        ++next;
    }
    return out;
}
