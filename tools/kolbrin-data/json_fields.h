#pragma once
// The JSON forms of the field tables: a sink that builds a JSON document from the fields a table writes,
// and a source that hands a table the fields of a JSON document, with the checks a binary reader makes.
// Shared by the team-file and the saved-game commands.
//
// Texts are UTF-8 in JSON (Windows-1252 in the files). Names are the field names of the tables. What the
// JSON adds so that an import writes the same bytes: a fixed-width text whose bytes past its length are not
// all zero carries them as "<name>Held" (hex); a 10-byte real that a JSON number cannot hold exactly carries
// its bytes as "<name>Bits" (hex), used as long as the number beside it was not edited.
#include "foundation/field_stream.h"

#include <nlohmann/json.hpp>

#include <functional>
#include <string>
#include <vector>

using json = nlohmann::ordered_json;

class TJsonFieldSink : public TFieldSink {
public:
    // The readable extras of a dump: the name an id stands for, money as text. Empty: none.
    using TNameOf = std::function<std::string(TFieldMeaning, std::int64_t)>;
    explicit TJsonFieldSink(TNameOf nameOf = {});

    const json& Root() const { return root_; }

    void Int(const char* name, TFieldKind kind, std::int64_t value, TFieldMeaning meaning,
             bool inJson = true) override;
    void IntArray(const char* name, TFieldKind kind, const std::vector<std::int64_t>& values,
                  TFieldMeaning meaning) override;
    void Text(const char* name, const std::string& text, int passes, bool inJson = true) override;
    void RawText(const char* name, std::size_t width, const std::string& text,
                 const std::string& bytes) override;
    void Real(const char* name, TFieldKind kind, long double value) override;
    void Bytes(const char* name, const std::string& bytes) override;
    void Padding(std::size_t, const std::string&) override {}
    void Date6(const char* name, std::int64_t raw) override;
    void BeginList(const char* name, int count) override;
    void BeginOpenList(const char* name) override;
    void BeginItem() override;
    void EndItem() override;
    void EndList() override;
    void EndOpenList() override;
    void BeginRecord(const char* name) override;
    void EndRecord() override;

private:
    json& Top() { return *stack_.back(); }
    void Annotate(const char* name, TFieldMeaning meaning, std::int64_t value);

    json root_ = json::object();
    std::vector<json*> stack_;
    TNameOf nameOf_;
};

class TJsonFieldSource : public TFieldSource {
public:
    // `path` names the root in messages ("players[3]"); fields below it are "players[3].name".
    explicit TJsonFieldSource(const json& root, std::string path = {});

    std::int64_t Int(const char* name, TFieldKind kind) override;
    std::vector<std::int64_t> IntArray(const char* name, TFieldKind kind, int count) override;
    std::string Text(const char* name, int width, int passes) override;
    std::string RawText(const char* name, std::size_t width, std::string& held) override;
    long double Real(const char* name, TFieldKind kind) override;
    std::string Bytes(const char* name, std::size_t count) override;
    void Padding(std::size_t) override {}
    std::int64_t Date6(const char* name) override;
    int BeginList(const char* name, std::size_t minItemSize, int maxCount) override;
    void BeginOpenList(const char* name) override;
    bool MoreItems() override;
    void BeginItem() override;
    void EndItem() override;
    void EndList() override;
    void BeginRecord(const char* name) override;
    void EndRecord() override;
    // Texts holding control characters are refused (names and codes of a team file; a game file keeps
    // line breaks in its texts). Characters outside Windows-1252 are always refused.
    void RefuseControlCharacters(bool refuse) { refuseControls_ = refuse; }
    // The number of values read so far: where an import stopped.
    std::size_t Offset() const override { return read_; }

private:
    struct Level {
        const json* node;
        std::string path;
        std::size_t next = 0; // arrays: the next entry
    };
    const json& Field(const char* name);
    std::string Where(const char* name) const;
    std::int64_t Integer(const json& v, const std::string& where, std::int64_t minValue,
                         std::int64_t maxValue) const;
    [[noreturn]] void Fail(const std::string& where, const std::string& reason) const;

    std::vector<Level> stack_;
    std::size_t read_ = 0;
    bool refuseControls_ = false;
};

// Hex text of bytes and back (EInvalidFile naming `where` on a bad text).
std::string ToHex(const std::string& bytes);
std::string FromHex(const std::string& hex, const std::string& where);
