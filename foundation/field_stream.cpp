#include "foundation/field_stream.h"

#include "foundation/errors.h"

#include <cmath>

std::int64_t TBinaryFieldSource::Int(const char*, TFieldKind kind) {
    switch (kind) {
    case TFieldKind::U8:
        return in_.U8();
    case TFieldKind::U16:
        return in_.U16();
    case TFieldKind::I16:
        return in_.I16();
    default:
        return in_.I32();
    }
}

std::vector<std::int64_t> TBinaryFieldSource::IntArray(const char* name, TFieldKind kind, int count) {
    std::vector<std::int64_t> values;
    for (int i = 0; i < count; ++i) values.push_back(Int(name, kind));
    return values;
}

std::string TBinaryFieldSource::Text(const char*, int, int passes) {
    return in_.CodedString(passes);
}

std::string TBinaryFieldSource::RawText(const char* name, std::size_t width, std::string& held) {
    const std::size_t length = in_.U8();
    const std::vector<std::uint8_t> bytes = in_.Bytes(width);
    if (length > width) ThrowInvalidFile(std::string(name) + " longer than its field");
    held.assign(bytes.begin(), bytes.end());
    return held.substr(0, length);
}

// A real that is not a finite number can only come from a damaged file, and every formula would carry it.
long double TBinaryFieldSource::Real(const char* name, TFieldKind kind) {
    const long double v = kind == TFieldKind::Real48 ? in_.Real48() : in_.Extended();
    if (!std::isfinite(v)) ThrowInvalidFile(std::string(name) + " is not a number");
    return v;
}

std::string TBinaryFieldSource::Bytes(const char*, std::size_t count) {
    const std::vector<std::uint8_t> bytes = in_.Bytes(count);
    return std::string(bytes.begin(), bytes.end());
}

void TBinaryFieldSource::Padding(std::size_t count) {
    in_.Skip(count);
}

std::int64_t TBinaryFieldSource::Date6(const char*) {
    std::int64_t raw = 0;
    for (int i = 0; i < 3; ++i) raw |= static_cast<std::int64_t>(in_.U16()) << (16 * i);
    return raw;
}

// A count is checked against what the rest of the file can hold before anything is allocated for it.
int TBinaryFieldSource::BeginList(const char* name, std::size_t minItemSize, int maxCount) {
    const int count = in_.I16();
    const std::size_t left = in_.Size() - in_.Position();
    if (count < 0 || count > maxCount)
        ThrowInvalidFile(std::string(name) + ": count " + std::to_string(count) + " out of range");
    // More entries than the rest of the file can hold: the file was cut short.
    if (static_cast<std::size_t>(count) * minItemSize > left)
        throw EInOutError(std::string(name) + ": " + std::to_string(count) + " entries do not fit in the " +
                          std::to_string(left) + " bytes left");
    return count;
}

bool TBinaryFieldSource::MoreItems() {
    const std::size_t at = in_.Position();
    if (in_.I16() <= 0) return false;
    in_.Seek(at);
    return true;
}

void TBinaryFieldSink::Int(const char*, TFieldKind kind, std::int64_t value, TFieldMeaning, bool) {
    switch (kind) {
    case TFieldKind::U8:
        out_.U8(static_cast<std::uint8_t>(value));
        break;
    case TFieldKind::U16:
        out_.U16(static_cast<std::uint16_t>(value));
        break;
    case TFieldKind::I16:
        out_.I16(static_cast<std::int16_t>(value));
        break;
    default:
        out_.I32(static_cast<std::int32_t>(value));
        break;
    }
}

void TBinaryFieldSink::IntArray(const char* name, TFieldKind kind, const std::vector<std::int64_t>& values,
                                TFieldMeaning meaning) {
    for (std::int64_t v : values) Int(name, kind, v, meaning);
}

void TBinaryFieldSink::Text(const char*, const std::string& text, int passes, bool) {
    out_.CodedString(text, passes);
}

void TBinaryFieldSink::RawText(const char*, std::size_t width, const std::string& text,
                               const std::string& bytes) {
    out_.U8(static_cast<std::uint8_t>(std::min(text.size(), width)));
    std::string all = bytes;
    all.resize(width, '\0');
    out_.Bytes(reinterpret_cast<const std::uint8_t*>(all.data()), all.size());
}

void TBinaryFieldSink::Real(const char*, TFieldKind kind, long double value) {
    if (kind == TFieldKind::Real48)
        out_.Real48(value);
    else
        out_.Extended(value);
}

void TBinaryFieldSink::Bytes(const char*, const std::string& bytes) {
    out_.Bytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

void TBinaryFieldSink::Padding(std::size_t count, const std::string& fill) {
    for (std::size_t i = 0; i < count; ++i) out_.U8(i < fill.size() ? static_cast<std::uint8_t>(fill[i]) : 0);
}

void TBinaryFieldSink::Date6(const char*, std::int64_t raw) {
    for (int i = 0; i < 3; ++i) out_.U16(static_cast<std::uint16_t>(raw >> (16 * i)));
}

void TBinaryFieldSink::BeginList(const char*, int count) {
    out_.I16(static_cast<std::int16_t>(count));
}

void TBinaryFieldSink::EndOpenList() {
    out_.I16(0);
}
