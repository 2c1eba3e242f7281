#pragma once
// Field-by-field reading and writing of the binary data files (team files, saved games, the referee and
// group files): little-endian integers of 1, 2 or 4 bytes, coded short strings, 6- and 10-byte reals.
// A read past the end raises EInOutError; callers decide whether that aborts a whole load.
#include "foundation/file_io.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

class TBinaryReader {
public:
    explicit TBinaryReader(std::vector<std::uint8_t> data);
    // Reads the whole file (a regular file of at most maxSize bytes); EInOutError otherwise.
    static TBinaryReader FromFile(const std::string& path, std::size_t maxSize = kMaxDataFileSize);

    std::uint8_t U8() { return *Take(1); }
    std::int8_t I8() { return static_cast<std::int8_t>(U8()); }
    std::uint16_t U16() {
        const std::uint8_t* p = Take(2);
        return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    }
    std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
    std::uint32_t U32() {
        const std::uint8_t* p = Take(4);
        return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
               (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    }
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    bool Bool() { return U8() != 0; } // one byte, any non-zero value is true
    std::vector<std::uint8_t> Bytes(std::size_t count);
    // `count` bytes as they are, in a string.
    std::string BytesAsString(std::size_t count) {
        const std::uint8_t* p = Take(count);
        return std::string(reinterpret_cast<const char*>(p), count);
    }
    // A length byte and that many bytes, as stored (no decoding).
    std::string RawShortString();
    // A length byte and that many bytes, decoded with `times` coding steps (the file primitives use one).
    std::string CodedString(int times = 1);
    long double Real48();
    long double Extended();
    void Skip(std::size_t count) { Take(count); }

    std::size_t Position() const { return pos_; }
    void Seek(std::size_t position);
    std::size_t Size() const { return data_.size(); }
    bool AtEnd() const { return pos_ >= data_.size(); }

private:
    // The next `count` bytes; EInOutError when the data ends before them.
    const std::uint8_t* Take(std::size_t count) {
        if (count > data_.size() - pos_) ReadBeyondEnd();
        const std::uint8_t* p = data_.data() + pos_;
        pos_ += count;
        return p;
    }
    [[noreturn]] static void ReadBeyondEnd();
    std::vector<std::uint8_t> data_;
    std::size_t pos_ = 0; // never beyond the end
};

class TBinaryWriter {
public:
    void U8(std::uint8_t v) { *Grow(1) = v; }
    void I8(std::int8_t v) { U8(static_cast<std::uint8_t>(v)); }
    void U16(std::uint16_t v) {
        std::uint8_t* p = Grow(2);
        p[0] = static_cast<std::uint8_t>(v & 0xFF);
        p[1] = static_cast<std::uint8_t>(v >> 8);
    }
    void I16(std::int16_t v) { U16(static_cast<std::uint16_t>(v)); }
    void U32(std::uint32_t v) {
        std::uint8_t* p = Grow(4);
        for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
    void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
    void Bool(bool v) { U8(v ? 1 : 0); }
    void Bytes(const std::vector<std::uint8_t>& bytes) { Bytes(bytes.data(), bytes.size()); }
    void Bytes(const std::uint8_t* bytes, std::size_t count) {
        if (count > 0) std::memcpy(Grow(count), bytes, count);
    }
    // `count` zero bytes.
    void Zeros(std::size_t count) {
        if (count > 0) std::memset(Grow(count), 0, count);
    }
    // Writes the length byte and the bytes as given (cut to 255).
    void RawShortString(std::string_view text);
    // Codes the text with `times` steps and writes the length byte and the coded bytes.
    void CodedString(std::string_view text, int times = 1);
    void Real48(long double v);
    void Extended(long double v);

    // Room for `bytes` in all, so that a large file is not copied as it grows.
    void Reserve(std::size_t bytes);
    // The bytes written so far.
    const std::vector<std::uint8_t>& Data() const {
        data_.resize(size_); // the room beyond the bytes written goes; the capacity stays
        return data_;
    }
    std::size_t Size() const { return size_; }
    // WriteWholeFile: the file that was there survives a failed write. EInOutError on failure.
    void SaveToFile(const std::string& path) const;

private:
    // The next `count` bytes of the data, to be filled. The vector is kept larger than the bytes written,
    // so that a field costs a comparison and a store, not a resize.
    std::uint8_t* Grow(std::size_t count) {
        if (count > data_.size() - size_) Expand(count);
        std::uint8_t* p = data_.data() + size_;
        size_ += count;
        return p;
    }
    void Expand(std::size_t count);
    mutable std::vector<std::uint8_t> data_; // data_.size() >= size_
    std::size_t size_ = 0;
};
