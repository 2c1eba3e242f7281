#pragma once
// The tagged header in front of a team file of data format 2002 and later. Byte layout: a sequence of
// entries, each a signed 16-bit tag, an unsigned 16-bit length L and L bytes of value, ended by the tag 0
// (no length follows). Tags: 1 fileType, 2 description, 3 version, 4 author, 5 created, 6 savedBy,
// 7 saved. A text value is the coded short string with its length byte (L = length + 1), the version
// L = 2, a date L = 6. Writers put the entries in the order 1, 3, 2, 6, 7, 4, 5, then 0.
#include "datafiles/record_fields.h"

#include <cstdint>
#include <span>
#include <string>

// A calendar date as the header shows it.
struct TFileDate {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const TFileDate&) const = default;
};

// The 6 stored bytes of a date: three 16-bit words year x 23 + 432, month x 324 + 9328, day x 833 + 9932.
struct TScrambledDate {
    std::uint16_t words[3] = {0, 0, 0};
    static TScrambledDate FromDate(const TFileDate& date);
    TFileDate ToDate() const; // subtracts and divides; the zero date gives negative numbers
    std::int64_t Raw() const;
    static TScrambledDate FromRaw(std::int64_t raw);
    bool operator==(const TScrambledDate&) const = default;
};

class TFileHeader {
public:
    static constexpr int kFileTypeWidth = 10;
    static constexpr int kTextWidth = 40;
    static constexpr std::int16_t kEditorVersion = 5;

    // The texts are held coded with their field's pass count (fileType and description 4, author 5,
    // savedBy 2); the accessors code and decode, and cut to the width.
    std::string FileType() const;
    void SetFileType(const std::string& text);
    std::string Description() const;
    void SetDescription(const std::string& text);
    std::int16_t Version() const { return version_; }
    void SetVersion(std::int16_t version) { version_ = version; }
    std::string Author() const;
    void SetAuthor(const std::string& text);
    TScrambledDate Created() const { return created_; }
    void SetCreated(const TScrambledDate& date) { created_ = date; }
    std::string SavedBy() const;
    void SetSavedBy(const std::string& text);
    TScrambledDate Saved() const { return saved_; }
    void SetSaved(const TScrambledDate& date) { saved_ = date; }

    // Reads the header at the reader's position. A header that cannot be read (a length above its field's
    // limit, a short file) is no error: fileType and description become "ERROR", version 0, the reader
    // is rewound to where the header began (the start of a team file) and false is returned. An unknown tag's
    // bytes are skipped.
    bool Read(TBinaryReader& in);
    void Write(TBinaryWriter& out) const;

    // The entries in the order writers put them; the tag of each is in the table.
    static std::span<const TRecordField<TFileHeader>> Fields();

private:
    std::string codedFileType_;
    std::string codedDescription_;
    std::int16_t version_ = 0;
    std::string codedAuthor_;
    TScrambledDate created_;
    std::string codedSavedBy_;
    TScrambledDate saved_;
};
