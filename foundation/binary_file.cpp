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

void TBinaryReader::ReadBeyondEnd() {
    throw EInOutError("Read beyond end of file");
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
    std::string text = RawShortString();
    DecodeCodedStringInPlace(text, times);
    return text;
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

void TBinaryReader::Seek(std::size_t position) {
    if (position > data_.size()) throw EInOutError("Seek beyond end of file");
    pos_ = position;
}

void TBinaryWriter::RawShortString(std::string_view text) {
    const std::size_t length = std::min<std::size_t>(text.size(), 255);
    U8(static_cast<std::uint8_t>(length));
    Bytes(reinterpret_cast<const std::uint8_t*>(text.data()), length);
}

// Coded straight into the data: the same bytes as RawShortString(EncodeCodedString(text, times)).
void TBinaryWriter::CodedString(std::string_view text, int times) {
    const std::size_t length = std::min<std::size_t>(text.size(), 255);
    U8(static_cast<std::uint8_t>(length));
    std::uint8_t* coded = Grow(length);
    if (length > 0) std::memcpy(coded, text.data(), length);
    EncodeCodedBytes(coded, length, times);
}

void TBinaryWriter::Real48(long double v) {
    const Real48Bytes b = LongDoubleToReal48(v);
    Bytes(b.data(), b.size());
}

void TBinaryWriter::Extended(long double v) {
    const Extended80Bytes b = LongDoubleToExtended(v);
    Bytes(b.data(), b.size());
}

void TBinaryWriter::Reserve(std::size_t bytes) {
    if (bytes > data_.size()) data_.resize(bytes);
}

void TBinaryWriter::Expand(std::size_t count) {
    data_.resize(std::max({data_.size() * 2, size_ + count, std::size_t{4096}}));
}

void TBinaryWriter::SaveToFile(const std::string& path) const {
    WriteWholeFile(path, Data());
}
