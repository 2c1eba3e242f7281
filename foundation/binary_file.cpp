#include "foundation/binary_file.h"

#include "foundation/coded_string.h"
#include "foundation/errors.h"
#include "foundation/reals.h"

#include <algorithm>
#include <cstring>

TBinaryReader::TBinaryReader(std::vector<std::uint8_t> data) : data_(std::move(data)) {}

TBinaryReader TBinaryReader::FromFile(const std::string& path, std::size_t maxSize) {
    return TBinaryReader(ReadWholeFile(path, maxSize));
}

const std::uint8_t* TBinaryReader::Take(std::size_t count) {
    if (count > data_.size() - std::min(pos_, data_.size())) throw EInOutError("Read beyond end of file");
    const std::uint8_t* p = data_.data() + pos_;
    pos_ += count;
    return p;
}

std::uint8_t TBinaryReader::U8() {
    return *Take(1);
}
std::int8_t TBinaryReader::I8() {
    return static_cast<std::int8_t>(U8());
}

std::uint16_t TBinaryReader::U16() {
    const std::uint8_t* p = Take(2);
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
std::int16_t TBinaryReader::I16() {
    return static_cast<std::int16_t>(U16());
}

std::uint32_t TBinaryReader::U32() {
    const std::uint8_t* p = Take(4);
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::int32_t TBinaryReader::I32() {
    return static_cast<std::int32_t>(U32());
}
bool TBinaryReader::Bool() {
    return U8() != 0;
}

std::vector<std::uint8_t> TBinaryReader::Bytes(std::size_t count) {
    const std::uint8_t* p = Take(count);
    return std::vector<std::uint8_t>(p, p + count);
}

std::string TBinaryReader::RawShortString() {
    const std::size_t length = U8();
    const std::uint8_t* p = Take(length);
    return std::string(reinterpret_cast<const char*>(p), length);
}

std::string TBinaryReader::CodedString(int times) {
    return DecodeCodedString(RawShortString(), times);
}

long double TBinaryReader::Real48() {
    Real48Bytes b{};
    std::memcpy(b.data(), Take(6), 6);
    return Real48ToLongDouble(b);
}

long double TBinaryReader::Extended() {
    Extended80Bytes b{};
    std::memcpy(b.data(), Take(10), 10);
    return ExtendedToLongDouble(b);
}

void TBinaryReader::Skip(std::size_t count) {
    Take(count);
}

void TBinaryReader::Seek(std::size_t position) {
    if (position > data_.size()) throw EInOutError("Seek beyond end of file");
    pos_ = position;
}

void TBinaryWriter::U8(std::uint8_t v) {
    data_.push_back(v);
}
void TBinaryWriter::U16(std::uint16_t v) {
    data_.push_back(static_cast<std::uint8_t>(v & 0xFF));
    data_.push_back(static_cast<std::uint8_t>(v >> 8));
}
void TBinaryWriter::U32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) data_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void TBinaryWriter::Bytes(const std::vector<std::uint8_t>& bytes) {
    data_.insert(data_.end(), bytes.begin(), bytes.end());
}
void TBinaryWriter::Bytes(const std::uint8_t* bytes, std::size_t count) {
    data_.insert(data_.end(), bytes, bytes + count);
}

void TBinaryWriter::RawShortString(std::string_view text) {
    const std::size_t length = std::min<std::size_t>(text.size(), 255);
    U8(static_cast<std::uint8_t>(length));
    Bytes(reinterpret_cast<const std::uint8_t*>(text.data()), length);
}

void TBinaryWriter::CodedString(std::string_view text, int times) {
    RawShortString(EncodeCodedString(text, times));
}

void TBinaryWriter::Real48(long double v) {
    const Real48Bytes b = LongDoubleToReal48(v);
    Bytes(b.data(), b.size());
}

void TBinaryWriter::Extended(long double v) {
    const Extended80Bytes b = LongDoubleToExtended(v);
    Bytes(b.data(), b.size());
}

void TBinaryWriter::SaveToFile(const std::string& path) const {
    WriteWholeFile(path, data_);
}
