#pragma once
// Field-by-field reading and writing of the binary data files (team files, saved games, the referee and
// group files): little-endian integers of 1, 2 or 4 bytes, coded short strings, 6- and 10-byte reals.
// A read past the end raises EInOutError; callers decide whether that aborts a whole load.
#include "foundation/file_io.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TBinaryReader {
public:
    explicit TBinaryReader(std::vector<std::uint8_t> data);
    // Reads the whole file (a regular file of at most maxSize bytes); EInOutError otherwise.
    static TBinaryReader FromFile(const std::string& path, std::size_t maxSize = kMaxDataFileSize);

    std::uint8_t U8();
    std::int8_t I8();
    std::uint16_t U16();
    std::int16_t I16();
    std::uint32_t U32();
    std::int32_t I32();
    bool Bool(); // one byte, any non-zero value is true
    std::vector<std::uint8_t> Bytes(std::size_t count);
    // A length byte and that many bytes, as stored (no decoding).
    std::string RawShortString();
    // A length byte and that many bytes, decoded with `times` coding steps (the file primitives use one).
    std::string CodedString(int times = 1);
    long double Real48();
    long double Extended();
    void Skip(std::size_t count);

    std::size_t Position() const { return pos_; }
    void Seek(std::size_t position);
    std::size_t Size() const { return data_.size(); }
    bool AtEnd() const { return pos_ >= data_.size(); }

private:
    const std::uint8_t* Take(std::size_t count);
    std::vector<std::uint8_t> data_;
    std::size_t pos_ = 0;
};

class TBinaryWriter {
public:
    void U8(std::uint8_t v);
    void I8(std::int8_t v) { U8(static_cast<std::uint8_t>(v)); }
    void U16(std::uint16_t v);
    void I16(std::int16_t v) { U16(static_cast<std::uint16_t>(v)); }
    void U32(std::uint32_t v);
    void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
    void Bool(bool v) { U8(v ? 1 : 0); }
    void Bytes(const std::vector<std::uint8_t>& bytes);
    void Bytes(const std::uint8_t* bytes, std::size_t count);
    // Writes the length byte and the bytes as given (cut to 255).
    void RawShortString(std::string_view text);
    // Codes the text with `times` steps and writes the length byte and the coded bytes.
    void CodedString(std::string_view text, int times = 1);
    void Real48(long double v);
    void Extended(long double v);

    const std::vector<std::uint8_t>& Data() const { return data_; }
    std::size_t Size() const { return data_.size(); }
    // WriteWholeFile: the file that was there survives a failed write. EInOutError on failure.
    void SaveToFile(const std::string& path) const;

private:
    std::vector<std::uint8_t> data_;
};
