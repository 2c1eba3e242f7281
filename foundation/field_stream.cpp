#include "foundation/field_stream.h"

#include "foundation/errors.h"

#include <algorithm>
#include <cmath>

long double ReadBinaryReal(TBinaryReader& in, const char* name, TFieldKind kind) {
    const long double v = kind == TFieldKind::Real48 ? in.Real48() : in.Extended();
    // A real that is not a finite number can only come from a damaged file, and every formula would carry it.
    if (!std::isfinite(v)) ThrowInvalidFile(std::string(name) + " is not a number");
    return v;
}

void WriteBinaryReal(TBinaryWriter& out, TFieldKind kind, long double value) {
    if (kind == TFieldKind::Real48)
        out.Real48(value);
    else
        out.Extended(value);
}

std::string ReadBinaryRawText(TBinaryReader& in, const char* name, std::size_t width, std::string& held) {
    const std::size_t length = in.U8();
    held = in.BytesAsString(width);
    if (length > width) ThrowInvalidFile(std::string(name) + " longer than its field");
    return held.substr(0, length);
}

void WriteBinaryRawText(TBinaryWriter& out, std::size_t width, const std::string& text,
                        const std::string& bytes) {
    out.U8(static_cast<std::uint8_t>(std::min(text.size(), width)));
    const std::size_t given = std::min(bytes.size(), width);
    out.Bytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), given);
    out.Zeros(width - given);
}

void WriteBinaryPadding(TBinaryWriter& out, std::size_t count, std::string_view fill) {
    const std::size_t given = std::min(fill.size(), count);
    out.Bytes(reinterpret_cast<const std::uint8_t*>(fill.data()), given);
    out.Zeros(count - given);
}

std::int64_t ReadBinaryDate6(TBinaryReader& in) {
    std::int64_t raw = 0;
    for (int i = 0; i < 3; ++i) raw |= static_cast<std::int64_t>(in.U16()) << (16 * i);
    return raw;
}

void WriteBinaryDate6(TBinaryWriter& out, std::int64_t raw) {
    for (int i = 0; i < 3; ++i) out.U16(static_cast<std::uint16_t>(raw >> (16 * i)));
}

std::vector<std::int64_t> TBinaryFieldSource::IntArray(const char*, TFieldKind kind, int count) {
    std::vector<std::int64_t> values(static_cast<std::size_t>(std::max(count, 0)));
    for (std::int64_t& v : values) v = ReadBinaryInt(in_, kind);
    return values;
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

void TBinaryFieldSink::BeginList(const char*, int count) {
    out_.I16(static_cast<std::int16_t>(count));
}

void TBinaryFieldSink::EndOpenList() {
    out_.I16(0);
}
