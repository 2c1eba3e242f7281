#pragma once
// Where the field tables (foundation/record_fields.h) read from and write to. A source hands out the
// fields of a record in table order, a sink takes them; both know each field's name, so the same calls
// serve a binary file (the names are ignored, the bytes are the layout) and a JSON document (the layout is
// ignored, the names are the keys).
//
// Lists: BeginList gives or takes the count, then one BeginItem/EndItem per entry. An open list (the
// observed players of the saved game, ended on disk by a zero id) asks MoreItems before each entry; the
// binary form peeks at the next i16 and consumes the terminator.
#include "foundation/binary_file.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class TFieldKind : std::uint8_t {
    U8,      // one unsigned byte
    I16,     // signed 16-bit
    I32,     // signed 32-bit
    Text,    // coded short string: length byte + bytes coded `passes` times, cut to `width` characters
    Date6,   // three scrambled 16-bit words (header dates); the value is the raw 48 bits
    U16,     // unsigned 16-bit
    Real48,  // the 6-byte real
    Real80,  // the 10-byte extended real
    RawText, // a length byte and `width` bytes as held in memory (the bytes past the length kept as read)
    Bytes,   // `width` bytes as they are
    Padding, // `width` spare bytes: skipped on reading, zeros on writing
    Nested,  // a list or a record of another type
};

// What an integer means, for the readable JSON: an id of a club, coach, player or referee (shown with
// the name), or an amount of money (shown as text too).
enum class TFieldMeaning : std::uint8_t { Plain, ClubId, CoachId, PlayerId, RefereeId, Money };

class TFieldSource {
public:
    virtual ~TFieldSource() = default;
    virtual std::int64_t Int(const char* name, TFieldKind kind) = 0;
    virtual std::vector<std::int64_t> IntArray(const char* name, TFieldKind kind, int count) = 0;
    // A coded short string, decoded.
    virtual std::string Text(const char* name, int width, int passes) = 0;
    // A fixed-width text: returns the text; `held` receives the `width` bytes after the length byte.
    virtual std::string RawText(const char* name, std::size_t width, std::string& held) = 0;
    virtual long double Real(const char* name, TFieldKind kind) = 0;
    virtual std::string Bytes(const char* name, std::size_t count) = 0;
    virtual void Padding(std::size_t count) = 0;
    virtual std::int64_t Date6(const char* name) = 0;
    // The count of a counted list; `minItemSize` bytes at least per entry, at most `maxCount` entries: a
    // count beyond either is a damaged file.
    virtual int BeginList(const char* name, std::size_t minItemSize, int maxCount) = 0;
    virtual void BeginOpenList(const char* name) = 0;
    virtual bool MoreItems() = 0;
    virtual void BeginItem() = 0;
    virtual void EndItem() = 0;
    virtual void EndList() = 0;
    // A nested record (an object in JSON).
    virtual void BeginRecord(const char* name) = 0;
    virtual void EndRecord() = 0;
    // Where the source stands, for error messages: the file offset of a binary source.
    virtual std::size_t Offset() const = 0;
    // The reader behind a binary source: the field tables read its fields straight from it, without a
    // call through this interface per field. Null for the other sources.
    virtual TBinaryReader* BinaryReader() { return nullptr; }
};

class TFieldSink {
public:
    virtual ~TFieldSink() = default;
    // `inJson` false: a field repeated on disk that a JSON form leaves out.
    virtual void Int(const char* name, TFieldKind kind, std::int64_t value, TFieldMeaning meaning,
                     bool inJson = true) = 0;
    virtual void IntArray(const char* name, TFieldKind kind, const std::vector<std::int64_t>& values,
                          TFieldMeaning meaning) = 0;
    virtual void Text(const char* name, const std::string& text, int passes, bool inJson = true) = 0;
    // `bytes` are the `width` bytes after the length byte, the text at their start.
    virtual void RawText(const char* name, std::size_t width, const std::string& text,
                         const std::string& bytes) = 0;
    virtual void Real(const char* name, TFieldKind kind, long double value) = 0;
    virtual void Bytes(const char* name, const std::string& bytes) = 0;
    // `fill`: the bytes a writer puts first (zeros after them).
    virtual void Padding(std::size_t count, const std::string& fill) = 0;
    virtual void Date6(const char* name, std::int64_t raw) = 0;
    virtual void BeginList(const char* name, int count) = 0;
    virtual void BeginOpenList(const char* name) = 0;
    virtual void BeginItem() = 0;
    virtual void EndItem() = 0;
    virtual void EndList() = 0;
    // Ends an open list (on disk: the terminating i16 0).
    virtual void EndOpenList() = 0;
    virtual void BeginRecord(const char* name) = 0;
    virtual void EndRecord() = 0;
    // The writer behind a binary sink: the field tables write their fields straight to it. Null for the
    // other sinks.
    virtual TBinaryWriter* BinaryWriter() { return nullptr; }
};

// One field on the binary forms: what the binary source and sink do per field, and what the field tables
// call directly on a binary stream. The bytes are the layout of the tables.
[[gnu::always_inline]] inline std::int64_t ReadBinaryInt(TBinaryReader& in, TFieldKind kind) {
    switch (kind) {
    case TFieldKind::U8:
        return in.U8();
    case TFieldKind::U16:
        return in.U16();
    case TFieldKind::I16:
        return in.I16();
    default:
        return in.I32();
    }
}
[[gnu::always_inline]] inline void WriteBinaryInt(TBinaryWriter& out, TFieldKind kind, std::int64_t value) {
    switch (kind) {
    case TFieldKind::U8:
        out.U8(static_cast<std::uint8_t>(value));
        break;
    case TFieldKind::U16:
        out.U16(static_cast<std::uint16_t>(value));
        break;
    case TFieldKind::I16:
        out.I16(static_cast<std::int16_t>(value));
        break;
    default:
        out.I32(static_cast<std::int32_t>(value));
        break;
    }
}
// A real that is not a finite number can only come from a damaged file: EInvalidFile naming the field.
long double ReadBinaryReal(TBinaryReader& in, const char* name, TFieldKind kind);
void WriteBinaryReal(TBinaryWriter& out, TFieldKind kind, long double value);
std::string ReadBinaryRawText(TBinaryReader& in, const char* name, std::size_t width, std::string& held);
void WriteBinaryRawText(TBinaryWriter& out, std::size_t width, const std::string& text,
                        const std::string& bytes);
void WriteBinaryPadding(TBinaryWriter& out, std::size_t count, std::string_view fill);
std::int64_t ReadBinaryDate6(TBinaryReader& in);
void WriteBinaryDate6(TBinaryWriter& out, std::int64_t raw);

// The binary forms: little-endian, exactly the layout of the tables.
class TBinaryFieldSource : public TFieldSource {
public:
    explicit TBinaryFieldSource(TBinaryReader& in) : in_(in) {}
    // The fields are final: the tables read them straight from the reader (BinaryReader), so a class
    // derived from this one could not see them anyway.
    std::int64_t Int(const char*, TFieldKind kind) final { return ReadBinaryInt(in_, kind); }
    std::vector<std::int64_t> IntArray(const char* name, TFieldKind kind, int count) final;
    std::string Text(const char*, int, int passes) final { return in_.CodedString(passes); }
    std::string RawText(const char* name, std::size_t width, std::string& held) final {
        return ReadBinaryRawText(in_, name, width, held);
    }
    long double Real(const char* name, TFieldKind kind) final { return ReadBinaryReal(in_, name, kind); }
    std::string Bytes(const char*, std::size_t count) final { return in_.BytesAsString(count); }
    void Padding(std::size_t count) final { in_.Skip(count); }
    std::int64_t Date6(const char*) final { return ReadBinaryDate6(in_); }
    int BeginList(const char* name, std::size_t minItemSize, int maxCount) override;
    void BeginOpenList(const char*) override {}
    bool MoreItems() override;
    void BeginItem() override {}
    void EndItem() override {}
    void EndList() override {}
    void BeginRecord(const char*) override {}
    void EndRecord() override {}
    std::size_t Offset() const override { return in_.Position(); }
    TBinaryReader* BinaryReader() final { return &in_; }

private:
    TBinaryReader& in_;
};

class TBinaryFieldSink : public TFieldSink {
public:
    explicit TBinaryFieldSink(TBinaryWriter& out) : out_(out) {}
    // The fields are final: the tables write them straight to the writer (BinaryWriter).
    void Int(const char*, TFieldKind kind, std::int64_t value, TFieldMeaning, bool = true) final {
        WriteBinaryInt(out_, kind, value);
    }
    void IntArray(const char*, TFieldKind kind, const std::vector<std::int64_t>& values,
                  TFieldMeaning) final {
        for (std::int64_t v : values) WriteBinaryInt(out_, kind, v);
    }
    void Text(const char*, const std::string& text, int passes, bool = true) final {
        out_.CodedString(text, passes);
    }
    void RawText(const char*, std::size_t width, const std::string& text, const std::string& bytes) final {
        WriteBinaryRawText(out_, width, text, bytes);
    }
    void Real(const char*, TFieldKind kind, long double value) final { WriteBinaryReal(out_, kind, value); }
    void Bytes(const char*, const std::string& bytes) final {
        out_.Bytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    void Padding(std::size_t count, const std::string& fill) final { WriteBinaryPadding(out_, count, fill); }
    void Date6(const char*, std::int64_t raw) final { WriteBinaryDate6(out_, raw); }
    void BeginList(const char* name, int count) override;
    void BeginOpenList(const char*) override {}
    void BeginItem() override {}
    void EndItem() override {}
    void EndList() override {}
    void EndOpenList() override;
    void BeginRecord(const char*) override {}
    void EndRecord() override {}
    TBinaryWriter* BinaryWriter() final { return &out_; }

private:
    TBinaryWriter& out_;
};
