#include "tools/kolbrin-data/json_fields.h"

#include "datafiles/file_header.h"
#include "foundation/encoding.h"
#include "foundation/errors.h"
#include "foundation/reals.h"
#include "foundation/record_fields.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {
json DateToJson(const TScrambledDate& d) {
    const TFileDate date = d.ToDate();
    return {{"year", date.year},
            {"month", date.month},
            {"day", date.day},
            {"raw", {d.words[0], d.words[1], d.words[2]}}};
}

std::string Range(std::int64_t minValue, std::int64_t maxValue) {
    return std::to_string(minValue) + ".." + std::to_string(maxValue);
}

// Dates are stored as year x 23 + 432 in 16 bits: later years cannot be stored.
constexpr int kMinStoredYear = 1;
constexpr int kMaxStoredYear = (0xFFFF - 432) / 23;

int DaysInMonth(std::int64_t year, std::int64_t month) {
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

std::string CodePointText(unsigned cp) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", cp);
    return code;
}

std::string HexOfExtended(long double v) {
    const Extended80Bytes b = LongDoubleToExtended(v);
    return ToHex(std::string(b.begin(), b.end()));
}
} // namespace

std::string ToHex(const std::string& bytes) {
    static const char* const kDigits = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += kDigits[c >> 4];
        hex += kDigits[c & 15];
    }
    return hex;
}

std::string FromHex(const std::string& hex, const std::string& where) {
    if (hex.size() % 2 != 0) ThrowInvalidFile(where + ": hex digits in pairs expected");
    std::string bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        int v = 0;
        for (std::size_t k = i; k < i + 2; ++k) {
            const char c = hex[k];
            const int d = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                 : -1;
            if (d < 0) ThrowInvalidFile(where + ": not a hex digit");
            v = v * 16 + d;
        }
        bytes += static_cast<char>(v);
    }
    return bytes;
}

// ---- Sink ----
TJsonFieldSink::TJsonFieldSink(TNameOf nameOf) : nameOf_(std::move(nameOf)) {
    stack_.push_back(&root_);
}

void TJsonFieldSink::Annotate(const char* name, TFieldMeaning meaning, std::int64_t value) {
    if (!nameOf_ || meaning == TFieldMeaning::Plain) return;
    const std::string text = nameOf_(meaning, value);
    if (!text.empty())
        Top()[std::string(name) + (meaning == TFieldMeaning::Money ? "Text" : "Name")] = Cp1252ToUtf8(text);
}

void TJsonFieldSink::Int(const char* name, TFieldKind, std::int64_t value, TFieldMeaning meaning,
                         bool inJson) {
    if (!inJson) return;
    Top()[name] = value;
    Annotate(name, meaning, value);
}

void TJsonFieldSink::IntArray(const char* name, TFieldKind, const std::vector<std::int64_t>& values,
                              TFieldMeaning meaning) {
    Top()[name] = values;
    if (nameOf_ && meaning == TFieldMeaning::Money) {
        json texts = json::array();
        for (std::int64_t v : values) texts.push_back(Cp1252ToUtf8(nameOf_(meaning, v)));
        Top()[std::string(name) + "Text"] = texts;
    }
}

void TJsonFieldSink::Text(const char* name, const std::string& text, int, bool inJson) {
    if (inJson) Top()[name] = Cp1252ToUtf8(text);
}

void TJsonFieldSink::RawText(const char* name, std::size_t, const std::string& text,
                             const std::string& bytes) {
    Top()[name] = Cp1252ToUtf8(text);
    if (bytes.find_first_not_of('\0', text.size()) != std::string::npos)
        Top()[std::string(name) + "Held"] = ToHex(bytes);
}

void TJsonFieldSink::Real(const char* name, TFieldKind kind, long double value) {
    const double shown = static_cast<double>(value);
    Top()[name] = shown;
    if (kind == TFieldKind::Real80 && static_cast<long double>(shown) != value)
        Top()[std::string(name) + "Bits"] = HexOfExtended(value);
}

void TJsonFieldSink::Bytes(const char* name, const std::string& bytes) {
    Top()[name] = ToHex(bytes);
}

void TJsonFieldSink::Date6(const char* name, std::int64_t raw) {
    Top()[name] = DateToJson(TScrambledDate::FromRaw(raw));
}

void TJsonFieldSink::BeginList(const char* name, int) {
    BeginOpenList(name);
}
void TJsonFieldSink::BeginOpenList(const char* name) {
    json& list = Top()[name] = json::array();
    stack_.push_back(&list);
}
void TJsonFieldSink::BeginItem() {
    Top().push_back(json::object());
    stack_.push_back(&Top().back());
}
void TJsonFieldSink::EndItem() {
    stack_.pop_back();
}
void TJsonFieldSink::EndList() {
    stack_.pop_back();
}
void TJsonFieldSink::EndOpenList() {
    stack_.pop_back();
}
void TJsonFieldSink::BeginRecord(const char* name) {
    json& record = Top()[name] = json::object();
    stack_.push_back(&record);
}
void TJsonFieldSink::EndRecord() {
    stack_.pop_back();
}

// ---- Source ----
TJsonFieldSource::TJsonFieldSource(const json& root, std::string path) {
    if (!root.is_object()) ThrowInvalidFile((path.empty() ? "" : path + ": ") + "an object expected");
    stack_.push_back({&root, std::move(path)});
}

void TJsonFieldSource::Fail(const std::string& where, const std::string& reason) const {
    ThrowInvalidFile(where + ": " + reason);
}

std::string TJsonFieldSource::Where(const char* name) const {
    return stack_.back().path.empty() ? std::string(name) : stack_.back().path + "." + name;
}

const json& TJsonFieldSource::Field(const char* name) {
    const Level& top = stack_.back();
    const std::string where = top.path.empty() ? name : top.path + "." + name;
    if (!top.node->is_object()) Fail(top.path, "an object expected");
    if (!top.node->contains(name)) Fail(where, "missing");
    ++read_;
    return (*top.node)[name];
}

// A JSON integer within [minValue, maxValue]: not a fraction, not true or false, and not a number beyond
// 64 bits (which would wrap).
std::int64_t TJsonFieldSource::Integer(const json& v, const std::string& where, std::int64_t minValue,
                                       std::int64_t maxValue) const {
    if (!v.is_number_integer()) Fail(where, "an integer expected (" + Range(minValue, maxValue) + ")");
    if (v.is_number_unsigned() && v.get<std::uint64_t>() > static_cast<std::uint64_t>(maxValue))
        Fail(where, std::to_string(v.get<std::uint64_t>()) + " is outside " + Range(minValue, maxValue));
    const std::int64_t n = v.get<std::int64_t>();
    if (n < minValue || n > maxValue)
        Fail(where, std::to_string(n) + " is outside " + Range(minValue, maxValue));
    return n;
}

std::int64_t TJsonFieldSource::Int(const char* name, TFieldKind kind) {
    const json& v = Field(name);
    return Integer(v, Where(name), MinOfKind(kind), MaxOfKind(kind));
}

std::vector<std::int64_t> TJsonFieldSource::IntArray(const char* name, TFieldKind kind, int count) {
    const json& v = Field(name);
    const std::string where = Where(name);
    if (!v.is_array() || v.size() != static_cast<std::size_t>(count))
        Fail(where, std::to_string(count) + " integers expected");
    std::vector<std::int64_t> values;
    for (const json& e : v) values.push_back(Integer(e, where, MinOfKind(kind), MaxOfKind(kind)));
    return values;
}

std::string TJsonFieldSource::Text(const char* name, int width, int) {
    const json& v = Field(name);
    const std::string where = Where(name);
    if (!v.is_string()) Fail(where, "a text expected");
    const std::string utf8 = v.get<std::string>();
    // Control characters (C0, DEL and the C1 range U+0080..U+009F) have no place in a name.
    for (std::size_t i = 0; refuseControls_ && i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x20 || c == 0x7F)
            Fail(where, "the control character " + CodePointText(c) + " is not allowed in a text");
        if (c == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) < 0xA0)
            Fail(where, "the control character " + CodePointText(static_cast<unsigned char>(utf8[i + 1])) +
                            " is not allowed in a text");
    }
    if (const auto bad = FirstNotInCp1252(utf8))
        Fail(where, "the character \"" + bad->character + "\" (" + CodePointText(bad->codePoint) +
                        ") cannot be stored: texts hold only Windows-1252 characters");
    const std::string text = Utf8ToCp1252(utf8);
    if (width >= 0 && text.size() > static_cast<std::size_t>(width))
        Fail(where, std::to_string(text.size()) + " characters, at most " + std::to_string(width));
    return text;
}

std::string TJsonFieldSource::RawText(const char* name, std::size_t width, std::string& held) {
    const std::string text = Text(name, static_cast<int>(width), 1);
    const std::string heldName = std::string(name) + "Held";
    held.assign(width, '\0');
    if (stack_.back().node->contains(heldName)) {
        const json& h = (*stack_.back().node)[heldName];
        if (!h.is_string()) Fail(stack_.back().path + "." + heldName, "hex text expected");
        held = FromHex(h.get<std::string>(), stack_.back().path + "." + heldName);
        if (held.size() != width)
            Fail(stack_.back().path + "." + heldName, std::to_string(width) + " bytes expected");
    }
    return text;
}

// The bytes beside a number are used while they still give that number, so an edited number wins.
long double TJsonFieldSource::Real(const char* name, TFieldKind kind) {
    const json& v = Field(name);
    const std::string where = Where(name);
    if (!v.is_number()) Fail(where, "a number expected");
    const double shown = v.get<double>();
    if (!std::isfinite(shown)) Fail(where, "not a number");
    const std::string bitsName = std::string(name) + "Bits";
    if (kind == TFieldKind::Real80 && stack_.back().node->contains(bitsName)) {
        const json& b = (*stack_.back().node)[bitsName];
        if (b.is_string()) {
            const std::string bytes = FromHex(b.get<std::string>(), where + "Bits");
            if (bytes.size() == 10) {
                Extended80Bytes e{};
                std::memcpy(e.data(), bytes.data(), 10);
                const long double exact = ExtendedToLongDouble(e);
                if (std::isfinite(exact) && static_cast<double>(exact) == shown) return exact;
            }
        }
    }
    return shown;
}

std::string TJsonFieldSource::Bytes(const char* name, std::size_t count) {
    const json& v = Field(name);
    const std::string where = Where(name);
    if (!v.is_string()) Fail(where, "hex text expected");
    const std::string bytes = FromHex(v.get<std::string>(), where);
    if (bytes.size() != count) Fail(where, std::to_string(count) + " bytes expected");
    return bytes;
}

std::int64_t TJsonFieldSource::Date6(const char* name) {
    const json& j = Field(name);
    const std::string where = Where(name);
    if (!j.is_object()) Fail(where, "a date must be an object with year, month and day");
    for (const char* part : {"year", "month", "day"})
        if (!j.contains(part)) Fail(where + "." + part, "missing");
    // Any 16-bit integer at first: a date kept by its raw words may show numbers no calendar has.
    auto part = [&](const char* p) { return Integer(j[p], where + "." + p, INT64_MIN, INT64_MAX); };
    const std::int64_t year = part("year"), month = part("month"), day = part("day");
    const auto fits = [](std::int64_t v) { return v >= INT16_MIN && v <= INT16_MAX; };
    const bool small = fits(year) && fits(month) && fits(day);
    const TFileDate date{static_cast<int>(small ? year : 0), static_cast<int>(small ? month : 0),
                         static_cast<int>(small ? day : 0)};
    // The raw words are kept when they still give the date shown, so an unedited date is written back as
    // it was; an edited date must be a calendar date the file can store, and is scrambled afresh.
    if (j.contains("raw") && small) {
        const json& raw = j["raw"];
        if (!raw.is_array() || raw.size() != 3) Fail(where + ".raw", "three 16-bit words expected");
        TScrambledDate d;
        for (std::size_t i = 0; i < 3; ++i) {
            if (!raw[i].is_number_unsigned() || raw[i].get<std::uint64_t>() > 0xFFFF)
                Fail(where + ".raw", "three 16-bit words expected");
            d.words[i] = raw[i].get<std::uint16_t>();
        }
        if (d.ToDate() == date) return d.Raw();
    }
    Integer(j["year"], where + ".year", kMinStoredYear, kMaxStoredYear);
    Integer(j["month"], where + ".month", 1, 12);
    Integer(j["day"], where + ".day", 1, DaysInMonth(year, month));
    return TScrambledDate::FromDate(date).Raw();
}

int TJsonFieldSource::BeginList(const char* name, std::size_t, int maxCount) {
    BeginOpenList(name);
    const std::size_t size = stack_.back().node->size();
    if (size > static_cast<std::size_t>(maxCount))
        Fail(stack_.back().path, std::to_string(size) + " entries, at most " + std::to_string(maxCount));
    return static_cast<int>(size);
}

void TJsonFieldSource::BeginOpenList(const char* name) {
    const json& v = Field(name);
    const std::string where = stack_.back().path.empty() ? name : Where(name);
    if (!v.is_array()) Fail(where, "an array expected");
    stack_.push_back({&v, where});
}

bool TJsonFieldSource::MoreItems() {
    return stack_.back().next < stack_.back().node->size();
}

void TJsonFieldSource::BeginItem() {
    Level& list = stack_.back();
    const std::string where = list.path + "[" + std::to_string(list.next) + "]";
    const json& item = (*list.node)[list.next++];
    if (!item.is_object()) Fail(where, "an object expected");
    stack_.push_back({&item, where});
}

void TJsonFieldSource::EndItem() {
    stack_.pop_back();
}
void TJsonFieldSource::EndList() {
    stack_.pop_back();
}

void TJsonFieldSource::BeginRecord(const char* name) {
    const json& v = Field(name);
    const std::string where = stack_.back().path.empty() ? name : Where(name);
    if (!v.is_object()) Fail(where, "an object expected");
    stack_.push_back({&v, where});
}

void TJsonFieldSource::EndRecord() {
    stack_.pop_back();
}
