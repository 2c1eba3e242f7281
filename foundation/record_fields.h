#pragma once
// Records as tables: every binary record of the team files and of the saved game is described once, as a
// list of fields (name, width on disk, coding), and that one list drives the reader, the writer and the
// JSON forms. The order of a table is the byte order on disk and must not change without breaking every
// file already written.
//
// The tables read from a TFieldSource and write to a TFieldSink (foundation/field_stream.h): the binary
// file is one pair, the JSON of the data tool another, so a field added to a table shows up in both.
#include "foundation/binary_file.h"
#include "foundation/coded_string.h"
#include "foundation/field_stream.h"

#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

template <class R> struct TRecordField {
    const char* name;
    TFieldKind kind;
    int width =
        0; // Text: the width in characters; RawText: the bytes after the length; Bytes, Padding: bytes
    int passes = 1; // Text: coding steps on disk
    std::int64_t minValue = 0;
    std::int64_t maxValue = 0; // ints: a value outside [minValue, maxValue] is a damaged record
    int minVersion = 0;        // the field is on disk only from this data-format version on
    bool inJson = true;        // false for a field repeated on disk (the second star byte)
    std::int64_t (*getInt)(const R&) = nullptr;
    void (*setInt)(R&, std::int64_t) = nullptr;
    std::string (*getText)(const R&) = nullptr;
    void (*setText)(R&, const std::string&) = nullptr;
    std::int16_t tag = 0; // header entries only
    // Ints: `count` > 1 makes the row an array of that many values of `kind`, reached through getAt/setAt.
    int count = 1;
    std::int64_t (*getAt)(const R&, int) = nullptr;
    void (*setAt)(R&, int, std::int64_t) = nullptr;
    // Real48, Real80.
    long double (*getReal)(const R&) = nullptr;
    void (*setReal)(R&, long double) = nullptr;
    // RawText: the `width` bytes after the length byte as the object holds them (the text is written over
    // their start); Bytes: the field's bytes. A shorter value is filled with zeros.
    std::string (*getRaw)(const R&) = nullptr;
    void (*setRaw)(R&, const std::string&) = nullptr;
    // I16 ids: what the id names (the JSON dump shows the name beside it); money: an amount.
    TFieldMeaning meaning = TFieldMeaning::Plain;
    // Nested: a counted list or a record of another type, read and written by these.
    // Nested: a list or a record of another type, read and written by these under the field's name.
    void (*readNested)(TFieldSource&, R&, const char*) = nullptr;
    void (*writeNested)(TFieldSink&, const R&, const char*) = nullptr;
    // Padding: what a writer puts at the start of the spare bytes (zeros after it).
    const char* fill = nullptr;
    // Text, optional: the text as the record holds it already coded with `passes` steps and cut to `width`
    // (exactly the bytes after the length byte on disk). A binary stream copies these bytes instead of
    // decoding and coding the text again.
    const std::string& (*getCoded)(const R&) = nullptr;
    void (*setCoded)(R&, std::string&&) = nullptr;
};

// Cuts a text to a field's width (names read from files are never trusted to fit).
std::string CutToWidth(std::string text, int width);

// Checks an integer against the field's range; EInvalidFile naming the record and field when outside.
[[noreturn]] void FieldValueOutOfRange(const char* record, const char* field, std::int64_t value,
                                       std::int64_t minValue, std::int64_t maxValue);
inline void CheckFieldValue(const char* record, const char* field, std::int64_t value, std::int64_t minValue,
                            std::int64_t maxValue) {
    if (value < minValue || value > maxValue) FieldValueOutOfRange(record, field, value, minValue, maxValue);
}

// The held bytes of a fixed-width text with the text written over their start: what goes to disk after the
// length byte. Exactly `width` bytes.
std::string ComposeRawText(const std::string& text, const std::string& held, std::size_t width);

// How a table reaches the fields of a source or a sink: through the interface (the JSON forms), or straight
// on the reader or writer of a binary one, which saves a call through the interface and a name per field
// (a game file has some 200 000 fields). Both give the same values and bytes.
struct TFieldsThroughSource {
    TFieldSource& in;
    template <class R> bool CodedText(const TRecordField<R>&, R&) { return false; }
    std::int64_t Int(const char* name, TFieldKind kind) { return in.Int(name, kind); }
    std::vector<std::int64_t> IntArray(const char* name, TFieldKind kind, int count) {
        return in.IntArray(name, kind, count);
    }
    std::string Text(const char* name, int width, int passes) { return in.Text(name, width, passes); }
    std::string RawText(const char* name, std::size_t width, std::string& held) {
        return in.RawText(name, width, held);
    }
    long double Real(const char* name, TFieldKind kind) { return in.Real(name, kind); }
    std::string Bytes(const char* name, std::size_t count) { return in.Bytes(name, count); }
    void Padding(std::size_t count) { in.Padding(count); }
    std::int64_t Date6(const char* name) { return in.Date6(name); }
};
struct TFieldsFromReader {
    TBinaryReader& in;
    // A text the record holds coded: the bytes are taken as they are when they fit the field (a longer
    // one is decoded, cut and coded again by the record).
    template <class R> bool CodedText(const TRecordField<R>& f, R& record) {
        if (!f.setCoded) return false;
        std::string bytes = in.RawShortString();
        if (bytes.size() <= static_cast<std::size_t>(f.width)) {
            f.setCoded(record, std::move(bytes));
        } else {
            DecodeCodedStringInPlace(bytes, f.passes);
            f.setText(record, CutToWidth(std::move(bytes), f.width));
        }
        return true;
    }
    std::int64_t Int(const char*, TFieldKind kind) { return ReadBinaryInt(in, kind); }
    std::vector<std::int64_t> IntArray(const char*, TFieldKind kind, int count) {
        std::vector<std::int64_t> values(static_cast<std::size_t>(count));
        for (std::int64_t& v : values) v = ReadBinaryInt(in, kind);
        return values;
    }
    std::string Text(const char*, int, int passes) { return in.CodedString(passes); }
    std::string RawText(const char* name, std::size_t width, std::string& held) {
        return ReadBinaryRawText(in, name, width, held);
    }
    long double Real(const char* name, TFieldKind kind) { return ReadBinaryReal(in, name, kind); }
    std::string Bytes(const char*, std::size_t count) { return in.BytesAsString(count); }
    void Padding(std::size_t count) { in.Skip(count); }
    std::int64_t Date6(const char*) { return ReadBinaryDate6(in); }
};
struct TFieldsThroughSink {
    TFieldSink& out;
    template <class R> bool CodedText(const TRecordField<R>&, const R&) { return false; }
    void Int(const char* name, TFieldKind kind, std::int64_t value, TFieldMeaning meaning, bool inJson) {
        out.Int(name, kind, value, meaning, inJson);
    }
    template <class R> void IntArray(const TRecordField<R>& f, const R& record) {
        std::vector<std::int64_t> values(static_cast<std::size_t>(f.count));
        for (int i = 0; i < f.count; ++i) values[static_cast<std::size_t>(i)] = f.getAt(record, i);
        out.IntArray(f.name, f.kind, values, f.meaning);
    }
    void Text(const char* name, const std::string& text, int passes, bool inJson) {
        out.Text(name, text, passes, inJson);
    }
    void RawText(const char* name, std::size_t width, const std::string& text, const std::string& bytes) {
        out.RawText(name, width, text, bytes);
    }
    void Real(const char* name, TFieldKind kind, long double value) { out.Real(name, kind, value); }
    void Bytes(const char* name, const std::string& bytes) { out.Bytes(name, bytes); }
    void Padding(std::size_t count, const char* fill) { out.Padding(count, fill ? fill : ""); }
    void Date6(const char* name, std::int64_t raw) { out.Date6(name, raw); }
};
struct TFieldsToWriter {
    TBinaryWriter& out;
    template <class R> bool CodedText(const TRecordField<R>& f, const R& record) {
        if (!f.getCoded) return false;
        const std::string& bytes = f.getCoded(record);
        out.U8(static_cast<std::uint8_t>(bytes.size()));
        out.Bytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        return true;
    }
    void Int(const char*, TFieldKind kind, std::int64_t value, TFieldMeaning, bool) {
        WriteBinaryInt(out, kind, value);
    }
    template <class R> void IntArray(const TRecordField<R>& f, const R& record) {
        for (int i = 0; i < f.count; ++i) WriteBinaryInt(out, f.kind, f.getAt(record, i));
    }
    void Text(const char*, const std::string& text, int passes, bool) { out.CodedString(text, passes); }
    void RawText(const char*, std::size_t width, const std::string& text, const std::string& bytes) {
        WriteBinaryRawText(out, width, text, bytes);
    }
    void Real(const char*, TFieldKind kind, long double value) { WriteBinaryReal(out, kind, value); }
    void Bytes(const char*, const std::string& bytes) {
        out.Bytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    void Padding(std::size_t count, const char* fill) {
        if (fill)
            WriteBinaryPadding(out, count, fill);
        else
            out.Zeros(count);
    }
    void Date6(const char*, std::int64_t raw) { WriteBinaryDate6(out, raw); }
};

// One table read through `fields` (an accessor above); nested records go back through `in`.
template <class R, class Fields>
void ReadRecordFieldsVia(Fields fields_, TFieldSource& in, R& record, std::span<const TRecordField<R>> fields,
                         int version, const char* recordName) {
    for (const TRecordField<R>& f : fields) {
        if (version < f.minVersion) continue;
        switch (f.kind) {
        case TFieldKind::Text:
            if (!fields_.CodedText(f, record))
                f.setText(record, CutToWidth(fields_.Text(f.name, f.width, f.passes), f.width));
            break;
        case TFieldKind::U8:
        case TFieldKind::U16:
        case TFieldKind::I16:
        case TFieldKind::I32:
            if (f.count > 1) {
                const std::vector<std::int64_t> values = fields_.IntArray(f.name, f.kind, f.count);
                for (int i = 0; i < f.count; ++i) {
                    CheckFieldValue(recordName, f.name, values[static_cast<std::size_t>(i)], f.minValue,
                                    f.maxValue);
                    f.setAt(record, i, values[static_cast<std::size_t>(i)]);
                }
            } else {
                const std::int64_t v = fields_.Int(f.name, f.kind);
                CheckFieldValue(recordName, f.name, v, f.minValue, f.maxValue);
                f.setInt(record, v);
            }
            break;
        case TFieldKind::Date6:
            f.setInt(record, fields_.Date6(f.name));
            break;
        case TFieldKind::Real48:
        case TFieldKind::Real80:
            f.setReal(record, fields_.Real(f.name, f.kind));
            break;
        case TFieldKind::RawText: {
            std::string held;
            const std::string text = fields_.RawText(f.name, static_cast<std::size_t>(f.width), held);
            if (f.setRaw) f.setRaw(record, held);
            f.setText(record, text);
            break;
        }
        case TFieldKind::Bytes:
            f.setRaw(record, fields_.Bytes(f.name, static_cast<std::size_t>(f.width)));
            break;
        case TFieldKind::Padding:
            fields_.Padding(static_cast<std::size_t>(f.width));
            break;
        case TFieldKind::Nested:
            f.readNested(in, record, f.name);
            break;
        }
    }
}

template <class R, class Fields>
void WriteRecordFieldsVia(Fields fields_, TFieldSink& out, const R& record,
                          std::span<const TRecordField<R>> fields, int version) {
    for (const TRecordField<R>& f : fields) {
        if (version < f.minVersion) continue;
        switch (f.kind) {
        case TFieldKind::Text:
            if (!fields_.CodedText(f, record))
                fields_.Text(f.name, CutToWidth(f.getText(record), f.width), f.passes, f.inJson);
            break;
        case TFieldKind::U8:
        case TFieldKind::U16:
        case TFieldKind::I16:
        case TFieldKind::I32:
            if (f.count > 1)
                fields_.IntArray(f, record);
            else
                fields_.Int(f.name, f.kind, f.getInt(record), f.meaning, f.inJson);
            break;
        case TFieldKind::Date6:
            fields_.Date6(f.name, f.getInt(record));
            break;
        case TFieldKind::Real48:
        case TFieldKind::Real80:
            fields_.Real(f.name, f.kind, f.getReal(record));
            break;
        case TFieldKind::RawText: {
            const std::string text = CutToWidth(f.getText(record), f.width);
            const std::string held = f.getRaw ? f.getRaw(record) : std::string();
            fields_.RawText(f.name, static_cast<std::size_t>(f.width), text,
                            ComposeRawText(text, held, static_cast<std::size_t>(f.width)));
            break;
        }
        case TFieldKind::Bytes: {
            std::string bytes = f.getRaw(record);
            bytes.resize(static_cast<std::size_t>(f.width), '\0');
            fields_.Bytes(f.name, bytes);
            break;
        }
        case TFieldKind::Padding:
            fields_.Padding(static_cast<std::size_t>(f.width), f.fill);
            break;
        case TFieldKind::Nested:
            f.writeNested(out, record, f.name);
            break;
        }
    }
}

template <class R>
void ReadRecordFields(TFieldSource& in, R& record, std::span<const TRecordField<R>> fields, int version,
                      const char* recordName) {
    if (TBinaryReader* binary = in.BinaryReader())
        ReadRecordFieldsVia<R>(TFieldsFromReader{*binary}, in, record, fields, version, recordName);
    else
        ReadRecordFieldsVia<R>(TFieldsThroughSource{in}, in, record, fields, version, recordName);
}

template <class R>
void WriteRecordFields(TFieldSink& out, const R& record, std::span<const TRecordField<R>> fields,
                       int version) {
    if (TBinaryWriter* binary = out.BinaryWriter())
        WriteRecordFieldsVia<R>(TFieldsToWriter{*binary}, out, record, fields, version);
    else
        WriteRecordFieldsVia<R>(TFieldsThroughSink{out}, out, record, fields, version);
}

// The team files read and write their tables straight from and to the binary primitives.
template <class R>
void ReadRecordFields(TBinaryReader& in, R& record, std::span<const TRecordField<R>> fields, int version,
                      const char* recordName) {
    TBinaryFieldSource source(in);
    ReadRecordFields<R>(source, record, fields, version, recordName);
}

template <class R>
void WriteRecordFields(TBinaryWriter& out, const R& record, std::span<const TRecordField<R>> fields,
                       int version) {
    TBinaryFieldSink sink(out);
    WriteRecordFields<R>(sink, record, fields, version);
}

// ---- Building tables ----
// The natural range of an integer kind on disk.
constexpr std::int64_t MinOfKind(TFieldKind kind) {
    return kind == TFieldKind::I16   ? -32768
           : kind == TFieldKind::I32 ? std::numeric_limits<std::int32_t>::min()
                                     : 0;
}
constexpr std::int64_t MaxOfKind(TFieldKind kind) {
    return kind == TFieldKind::U8    ? 255
           : kind == TFieldKind::U16 ? 65535
           : kind == TFieldKind::I16 ? 32767
                                     : std::numeric_limits<std::int32_t>::max();
}

// A row for a plain integer member; the range defaults to what the kind can hold.
template <class R, auto Member>
constexpr TRecordField<R> IntField(const char* name, TFieldKind kind,
                                   TFieldMeaning meaning = TFieldMeaning::Plain,
                                   std::int64_t minValue = std::numeric_limits<std::int64_t>::min(),
                                   std::int64_t maxValue = std::numeric_limits<std::int64_t>::max()) {
    return {.name = name,
            .kind = kind,
            .minValue = minValue == std::numeric_limits<std::int64_t>::min() ? MinOfKind(kind) : minValue,
            .maxValue = maxValue == std::numeric_limits<std::int64_t>::max() ? MaxOfKind(kind) : maxValue,
            .getInt = [](const R& r) -> std::int64_t { return static_cast<std::int64_t>(r.*Member); },
            .setInt =
                [](R& r, std::int64_t v) {
                    r.*Member = static_cast<std::remove_cvref_t<decltype(r.*Member)>>(v);
                },
            .meaning = meaning};
}
// The same with a range of valid values.
template <class R, auto Member>
constexpr TRecordField<R> RangeField(const char* name, TFieldKind kind, std::int64_t minValue,
                                     std::int64_t maxValue) {
    return IntField<R, Member>(name, kind, TFieldMeaning::Plain, minValue, maxValue);
}
// A row for a std::array member of integers.
template <class R, auto Member>
constexpr TRecordField<R> ArrayField(const char* name, TFieldKind kind,
                                     TFieldMeaning meaning = TFieldMeaning::Plain) {
    using A = std::remove_cvref_t<decltype(std::declval<R&>().*Member)>;
    return {.name = name,
            .kind = kind,
            .minValue = MinOfKind(kind),
            .maxValue = MaxOfKind(kind),
            .count = static_cast<int>(std::tuple_size_v<A>),
            .getAt = [](const R& r, int i) -> std::int64_t {
                return static_cast<std::int64_t>((r.*Member)[static_cast<std::size_t>(i)]);
            },
            .setAt =
                [](R& r, int i, std::int64_t v) {
                    (r.*Member)[static_cast<std::size_t>(i)] = static_cast<typename A::value_type>(v);
                },
            .meaning = meaning};
}
// A row for a long double member, stored as a 6- or 10-byte real.
template <class R, auto Member> constexpr TRecordField<R> RealField(const char* name, TFieldKind kind) {
    return {.name = name,
            .kind = kind,
            .getReal = [](const R& r) -> long double { return r.*Member; },
            .setReal = [](R& r, long double v) { r.*Member = v; }};
}
// Spare bytes: skipped when read, written as zeros.
template <class R> constexpr TRecordField<R> PaddingField(const char* name, int bytes) {
    return {.name = name, .kind = TFieldKind::Padding, .width = bytes};
}
// A member that is a record of its own, described by the table `Fields` (an object under the name in JSON).
template <class R, auto Member, const auto& Fields> constexpr TRecordField<R> RecordField(const char* name) {
    using S = std::remove_cvref_t<decltype(std::declval<R&>().*Member)>;
    return {.name = name,
            .kind = TFieldKind::Nested,
            .readNested =
                [](TFieldSource& in, R& r, const char* n) {
                    in.BeginRecord(n);
                    ReadRecordFields<S>(in, r.*Member, std::span<const TRecordField<S>>(Fields), 0, n);
                    in.EndRecord();
                },
            .writeNested =
                [](TFieldSink& out, const R& r, const char* n) {
                    out.BeginRecord(n);
                    WriteRecordFields<S>(out, r.*Member, std::span<const TRecordField<S>>(Fields), 0);
                    out.EndRecord();
                }};
}

// ---- Counted lists ----
// An i16 count, then the entries; the count is checked against `maxCount` and the bytes left.
template <class ReadOne>
void ReadCountedList(TFieldSource& in, const char* name, std::size_t minItemSize, int maxCount,
                     ReadOne readOne) {
    const int count = in.BeginList(name, minItemSize, maxCount);
    for (int i = 0; i < count; ++i) {
        in.BeginItem();
        readOne(in);
        in.EndItem();
    }
    in.EndList();
}
// The non-empty entries of a list, behind their count.
template <class List, class WriteOne>
void WriteCountedList(TFieldSink& out, const char* name, const List& list, WriteOne writeOne) {
    int count = 0;
    for (const auto* item : list)
        if (item) ++count;
    out.BeginList(name, count);
    for (const auto* item : list)
        if (item) {
            out.BeginItem();
            writeOne(out, *item);
            out.EndItem();
        }
    out.EndList();
}
