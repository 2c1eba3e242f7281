// kolbrin-data team dump FILE [--version 98|2002] | team export FILE [--version V] | team import JSON OUT |
// team check DIR [--data GAMEDIR] [--lang CODE]
//
// A team file as JSON: every field of the header, the team record, the players and the coach, texts in
// UTF-8. The JSON is driven by the same field tables as the reader and the writer, so a field added to a
// record shows up here by itself. `export` prints what `import` accepts; importing an export writes the
// same bytes (for every file a writer of this program produced: the lead block is always written as
// "KBa" and zeros, and both star bytes of a player are written from one value).
#include "tools/kolbrin-data/commands.h"

#include "datafiles/countries.h"
#include "datafiles/team_check.h"
#include "datafiles/team_file.h"
#include "datafiles/team_folder_check.h"
#include "foundation/encoding.h"
#include "foundation/errors.h"
#include "foundation/format_text.h"
#include "foundation/texts.h"
#include "tools/kolbrin-data/json_fields.h"
#include "tools/kolbrin-data/team_json.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {
constexpr const char* kUsage =
    "team dump FILE [--version 98|2002] | team export FILE [--version 98|2002] | team import JSON OUT | "
    "team check DIR [--data GAMEDIR] [--lang CODE]";

int VersionOfPath(const std::string& path) {
    return fs::path(path).extension() == ".kot" ? kDataFormat98 : kDataFormat2002;
}

int DumpOrExport(const CommandArgs& args, bool withDerived) {
    RequireArgs(args, 2, kUsage);
    int version = VersionOfPath(args[1]);
    for (std::size_t i = 2; i + 1 < args.size(); ++i)
        if (args[i] == "--version") version = ParseVersion(args[i + 1]);
    // An older record is shown as stored; what the game derives from it is listed beside it.
    const TTeamFile f = TTeamFile::ReadFile(args[1], version, {.allowStar = true, .deriveOld = false});
    std::printf("%s\n", TeamToJson(f, version, withDerived).dump(2).c_str());
    return 0;
}

int Import(const CommandArgs& args) {
    RequireArgs(args, 3, kUsage);
    json j;
    try {
        j = json::parse(ReadWholeFile(args[1], kMaxTextFileSize));
    } catch (const json::exception& e) {
        throw std::runtime_error(args[1] + ": not JSON: " + e.what());
    }
    int version = 0;
    TTeamFile f;
    try {
        f = TeamFromJson(j, version);
    } catch (const std::runtime_error& e) {
        throw std::runtime_error(args[1] + ": " + e.what());
    }
    f.WriteFile(args[2], version);
    return 0;
}

// The text of a reason: the language text when a labels file is open, else the flag's name.
std::string ReasonText(const TTeamCheckReason& r, TLabelsFile* labels) {
    if (!labels) return r.name;
    const std::string text = labels->GetText(r.text);
    if (text.empty()) return r.name;
    return Cp1252ToUtf8(r.formatNumber ? Format(text, {r.formatNumber}) : text);
}

int Check(const CommandArgs& args) {
    RequireArgs(args, 2, kUsage);
    const fs::path dir = args[1];
    fs::path gameDir = fs::absolute(dir).parent_path();
    std::string lang = "en";
    for (std::size_t i = 2; i + 1 < args.size(); ++i) {
        if (args[i] == "--data") gameDir = args[i + 1];
        if (args[i] == "--lang") lang = args[i + 1];
    }
    // The folder's own problem ends the command with its reason, before anything else is read.
    std::error_code ec;
    if (!fs::is_directory(fs::status(dir, ec)))
        throw std::runtime_error(dir.string() +
                                 (ec ? ": cannot read the folder: " + ec.message() : ": not a folder"));
    const fs::path langDir = gameDir / "Int" / lang;
    std::unique_ptr<TLabelsFile> labels;
    try {
        labels = std::make_unique<TLabelsFile>((langDir / ("KOLB2002_01_" + lang + ".kbl")).string());
    } catch (const std::exception&) {
        labels.reset(); // the flag names stand in
    }
    // The country rules need the same country list as the editor's: the names file, the country of texts
    // 10 and 11 when the file lacks it, and the groups of the game folder.
    constexpr int kOwnCountryCodeText = 10;
    constexpr int kOwnCountryNameText = 11;
    const std::string fallbackCode = labels ? labels->GetText(kOwnCountryCodeText) : std::string{};
    const std::string fallbackName = labels ? labels->GetText(kOwnCountryNameText) : std::string{};
    LoadCountries(gameDir.string(), langDir.string(), lang, fallbackCode, fallbackName,
                  [](const std::string& text, const std::string& caption) {
                      std::fprintf(stderr, "kolbrin-data: %s: %s\n", caption.c_str(), text.c_str());
                  });

    int invalid = 0;
    for (const TTeamFolderResult& r : CheckTeamFolder(dir.string())) {
        if (!r.problem.empty()) {
            std::printf("%s %s\n", r.name.c_str(), r.problem.c_str());
            ++invalid;
            continue;
        }
        if (r.flags == 0) continue;
        ++invalid;
        std::string reasons;
        for (const TTeamCheckReason& reason : TeamCheckReasons())
            if (r.flags & reason.bit)
                reasons += (reasons.empty() ? "" : "; ") + ReasonText(reason, labels.get());
        std::printf("%s 0x%03X %s\n", r.name.c_str(), r.flags, reasons.c_str());
    }
    return invalid ? 1 : 0;
}

int Team(const CommandArgs& args) {
    RequireArgs(args, 1, kUsage);
    if (args[0] == "dump") return DumpOrExport(args, true);
    if (args[0] == "export") return DumpOrExport(args, false);
    if (args[0] == "import") return Import(args);
    if (args[0] == "check") return Check(args);
    throw std::runtime_error("usage: kolbrin-data " + std::string(kUsage));
}

const CommandRegistration kTeamCommand("team", kUsage, Team);
} // namespace
