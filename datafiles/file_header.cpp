#include "datafiles/file_header.h"

#include "foundation/coded_string.h"
#include "foundation/errors.h"

#include <array>

namespace {
constexpr int kFileTypePasses = 4;
constexpr int kDescriptionPasses = 4;
constexpr int kAuthorPasses = 5;
constexpr int kSavedByPasses = 2;

// A text entry may hold at most a 40-character string and its length byte; anything longer would run
// past its field, so the whole header is taken as damaged.
constexpr std::uint16_t kMaxTextEntry = 41;
constexpr std::uint16_t kMaxVersionEntry = 2;
constexpr std::uint16_t kMaxDateEntry = 6;

constexpr std::array<TRecordField<TFileHeader>, 7> kFields{{
    {.name = "fileType",
     .kind = TFieldKind::Text,
     .width = TFileHeader::kFileTypeWidth,
     .passes = kFileTypePasses,
     .getText = [](const TFileHeader& h) { return h.FileType(); },
     .setText = [](TFileHeader& h, const std::string& v) { h.SetFileType(v); },
     .tag = 1},
    {.name = "version",
     .kind = TFieldKind::I16,
     .minValue = INT16_MIN,
     .maxValue = INT16_MAX,
     .getInt = [](const TFileHeader& h) -> std::int64_t { return h.Version(); },
     .setInt = [](TFileHeader& h, std::int64_t v) { h.SetVersion(static_cast<std::int16_t>(v)); },
     .tag = 3},
    {.name = "description",
     .kind = TFieldKind::Text,
     .width = TFileHeader::kTextWidth,
     .passes = kDescriptionPasses,
     .getText = [](const TFileHeader& h) { return h.Description(); },
     .setText = [](TFileHeader& h, const std::string& v) { h.SetDescription(v); },
     .tag = 2},
    {.name = "savedBy",
     .kind = TFieldKind::Text,
     .width = TFileHeader::kTextWidth,
     .passes = kSavedByPasses,
     .getText = [](const TFileHeader& h) { return h.SavedBy(); },
     .setText = [](TFileHeader& h, const std::string& v) { h.SetSavedBy(v); },
     .tag = 6},
    {.name = "saved",
     .kind = TFieldKind::Date6,
     .getInt = [](const TFileHeader& h) -> std::int64_t { return h.Saved().Raw(); },
     .setInt = [](TFileHeader& h, std::int64_t v) { h.SetSaved(TScrambledDate::FromRaw(v)); },
     .tag = 7},
    {.name = "author",
     .kind = TFieldKind::Text,
     .width = TFileHeader::kTextWidth,
     .passes = kAuthorPasses,
     .getText = [](const TFileHeader& h) { return h.Author(); },
     .setText = [](TFileHeader& h, const std::string& v) { h.SetAuthor(v); },
     .tag = 4},
    {.name = "created",
     .kind = TFieldKind::Date6,
     .getInt = [](const TFileHeader& h) -> std::int64_t { return h.Created().Raw(); },
     .setInt = [](TFileHeader& h, std::int64_t v) { h.SetCreated(TScrambledDate::FromRaw(v)); },
     .tag = 5},
}};

const TRecordField<TFileHeader>* FieldByTag(std::int16_t tag) {
    for (const auto& f : kFields)
        if (f.tag == tag) return &f;
    return nullptr;
}

std::string CodeText(const std::string& text, int width, int passes) {
    return EncodeCodedString(CutToWidth(text, width), passes);
}

// Reads one entry's value into the header. A text value is a length byte and coded bytes; when the
// length byte claims more bytes than the entry holds, the missing ones are zero, as in a fresh field.
void ReadEntry(TBinaryReader& in, TFileHeader& header, const TRecordField<TFileHeader>& f,
               std::uint16_t length) {
    const std::vector<std::uint8_t> value = in.Bytes(length);
    switch (f.kind) {
    case TFieldKind::Text: {
        if (length > kMaxTextEntry) ThrowInvalidFile("header text too long");
        if (value.empty()) return;
        std::string coded(value.begin() + 1, value.end());
        coded.resize(value[0], '\0');
        f.setText(header, CutToWidth(DecodeCodedString(coded, f.passes), f.width));
        return;
    }
    case TFieldKind::I16: {
        if (length > kMaxVersionEntry) ThrowInvalidFile("header version too long");
        std::uint16_t v = 0;
        for (std::size_t i = 0; i < value.size(); ++i)
            v = static_cast<std::uint16_t>(v | (value[i] << (8 * i)));
        f.setInt(header, static_cast<std::int16_t>(v));
        return;
    }
    case TFieldKind::Date6: {
        if (length > kMaxDateEntry) ThrowInvalidFile("header date too long");
        std::int64_t raw = 0;
        for (std::size_t i = 0; i < value.size(); ++i) raw |= static_cast<std::int64_t>(value[i]) << (8 * i);
        f.setInt(header, raw);
        return;
    }
    default:
        return;
    }
}
} // namespace

TScrambledDate TScrambledDate::FromDate(const TFileDate& date) {
    TScrambledDate d;
    d.words[0] = static_cast<std::uint16_t>(date.year * 23 + 432);
    d.words[1] = static_cast<std::uint16_t>(date.month * 324 + 9328);
    d.words[2] = static_cast<std::uint16_t>(date.day * 833 + 9932);
    return d;
}

TFileDate TScrambledDate::ToDate() const {
    return {(words[0] - 432) / 23, (words[1] - 9328) / 324, (words[2] - 9932) / 833};
}

std::int64_t TScrambledDate::Raw() const {
    return static_cast<std::int64_t>(words[0]) | (static_cast<std::int64_t>(words[1]) << 16) |
           (static_cast<std::int64_t>(words[2]) << 32);
}

TScrambledDate TScrambledDate::FromRaw(std::int64_t raw) {
    TScrambledDate d;
    for (int i = 0; i < 3; ++i) d.words[i] = static_cast<std::uint16_t>(raw >> (16 * i));
    return d;
}

std::string TFileHeader::FileType() const {
    return DecodeCodedString(codedFileType_, kFileTypePasses);
}
void TFileHeader::SetFileType(const std::string& text) {
    codedFileType_ = CodeText(text, kFileTypeWidth, kFileTypePasses);
}
std::string TFileHeader::Description() const {
    return DecodeCodedString(codedDescription_, kDescriptionPasses);
}
void TFileHeader::SetDescription(const std::string& text) {
    codedDescription_ = CodeText(text, kTextWidth, kDescriptionPasses);
}
std::string TFileHeader::Author() const {
    return DecodeCodedString(codedAuthor_, kAuthorPasses);
}
void TFileHeader::SetAuthor(const std::string& text) {
    codedAuthor_ = CodeText(text, kTextWidth, kAuthorPasses);
}
std::string TFileHeader::SavedBy() const {
    return DecodeCodedString(codedSavedBy_, kSavedByPasses);
}
void TFileHeader::SetSavedBy(const std::string& text) {
    codedSavedBy_ = CodeText(text, kTextWidth, kSavedByPasses);
}

bool TFileHeader::Read(TBinaryReader& in) {
    *this = TFileHeader();
    const std::size_t start = in.Position();
    try {
        std::int16_t tag = in.I16();
        while (tag != 0) {
            const std::uint16_t length = in.U16();
            if (const TRecordField<TFileHeader>* f = FieldByTag(tag))
                ReadEntry(in, *this, *f, length);
            else
                in.Skip(length);
            tag = in.I16();
        }
        return true;
    } catch (const EInvalidFile&) {
    } catch (const EInOutError&) {}
    // A file without a header (or with a damaged one) is read from its first byte.
    SetFileType("ERROR");
    SetDescription("ERROR");
    version_ = 0;
    in.Seek(start);
    return false;
}

void TFileHeader::Write(TBinaryWriter& out) const {
    for (const TRecordField<TFileHeader>& f : kFields) {
        out.I16(f.tag);
        switch (f.kind) {
        case TFieldKind::Text: {
            const std::string coded = EncodeCodedString(CutToWidth(f.getText(*this), f.width), f.passes);
            out.U16(static_cast<std::uint16_t>(coded.size() + 1));
            out.RawShortString(coded);
            break;
        }
        case TFieldKind::I16:
            out.U16(2);
            out.I16(static_cast<std::int16_t>(f.getInt(*this)));
            break;
        case TFieldKind::Date6: {
            out.U16(6);
            const std::int64_t raw = f.getInt(*this);
            for (int i = 0; i < 3; ++i) out.U16(static_cast<std::uint16_t>(raw >> (16 * i)));
            break;
        }
        default:
            break;
        }
    }
    out.I16(0);
}

std::span<const TRecordField<TFileHeader>> TFileHeader::Fields() {
    return kFields;
}
