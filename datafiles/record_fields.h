#pragma once
// Records as tables: every binary record of the team files is described once, as a list of fields (name,
// width on disk, coding), and that one list drives the reader, the writer and the JSON dump. The order of
// a table is the byte order on disk and must not change without breaking every shipped team file.
#include "foundation/binary_file.h"

#include <cstdint>
#include <span>
#include <string>

enum class TFieldKind : std::uint8_t {
    U8,   // one unsigned byte
    I16,  // signed 16-bit
    I32,  // signed 32-bit
    Text, // coded short string: length byte + bytes coded `passes` times, cut to `width` characters
    Date6 // three scrambled 16-bit words (header dates); the value is the raw 48 bits
};

template <class R> struct TRecordField {
    const char* name;
    TFieldKind kind;
    int width = 0;  // Text: the field's width in characters
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
};

// Data-format versions: 2002 and later carry the tagged header and the extended player fields.
constexpr int kDataFormat98 = 98;
constexpr int kDataFormat2002 = 2002;
inline bool HasExtendedFormat(int version) {
    return version >= kDataFormat2002;
}

// Cuts a text to a field's width (names read from files are never trusted to fit).
std::string CutToWidth(const std::string& text, int width);

// Checks an integer against the field's range; EInvalidFile naming the record and field when outside.
void CheckFieldValue(const char* record, const char* field, std::int64_t value, std::int64_t minValue,
                     std::int64_t maxValue);

template <class R>
void ReadRecordFields(TBinaryReader& in, R& record, std::span<const TRecordField<R>> fields, int version,
                      const char* recordName) {
    for (const TRecordField<R>& f : fields) {
        if (version < f.minVersion) continue;
        switch (f.kind) {
        case TFieldKind::Text:
            f.setText(record, CutToWidth(in.CodedString(f.passes), f.width));
            break;
        case TFieldKind::U8:
        case TFieldKind::I16:
        case TFieldKind::I32: {
            const std::int64_t v = f.kind == TFieldKind::U8    ? in.U8()
                                   : f.kind == TFieldKind::I16 ? in.I16()
                                                               : in.I32();
            CheckFieldValue(recordName, f.name, v, f.minValue, f.maxValue);
            f.setInt(record, v);
            break;
        }
        case TFieldKind::Date6: {
            std::int64_t raw = 0;
            for (int i = 0; i < 3; ++i) raw |= static_cast<std::int64_t>(in.U16()) << (16 * i);
            f.setInt(record, raw);
            break;
        }
        }
    }
}

template <class R>
void WriteRecordFields(TBinaryWriter& out, const R& record, std::span<const TRecordField<R>> fields,
                       int version) {
    for (const TRecordField<R>& f : fields) {
        if (version < f.minVersion) continue;
        switch (f.kind) {
        case TFieldKind::Text:
            out.CodedString(CutToWidth(f.getText(record), f.width), f.passes);
            break;
        case TFieldKind::U8:
            out.U8(static_cast<std::uint8_t>(f.getInt(record)));
            break;
        case TFieldKind::I16:
            out.I16(static_cast<std::int16_t>(f.getInt(record)));
            break;
        case TFieldKind::I32:
            out.I32(static_cast<std::int32_t>(f.getInt(record)));
            break;
        case TFieldKind::Date6: {
            const std::int64_t raw = f.getInt(record);
            for (int i = 0; i < 3; ++i) out.U16(static_cast<std::uint16_t>(raw >> (16 * i)));
            break;
        }
        }
    }
}
