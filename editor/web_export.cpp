#include "editor/web_export.h"

#include "datafiles/countries.h"
#include "datafiles/team_file.h"
#include "editor/file_names.h"
#include "editor/web_images.h"
#include "foundation/binary_file.h"
#include "foundation/errors.h"
#include "foundation/file_helpers.h"

#include <chrono>
#include <ctime>
#include <map>

namespace fs = std::filesystem;

namespace {

constexpr const char* kSiteTitle = "Equipas para Kolbrin 98";
constexpr const char* kBallIcon = "bolafut.gif";
constexpr const char* kBackground = "grama2.jpg";

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// The code as it may stand in a file name: a damaged team file's code ("../") must not lead a page or a
// flag out of the site's folder.
std::string SafeCode(const std::string& code) {
    std::string out;
    for (char c : code)
        out += (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ? c : '_';
    return out.empty() ? std::string("_") : out;
}

std::string FlagSrc(const std::string& code) {
    return "flags/" + code + ".BMP";
}

// The head every page shares; the texts are Windows-1252 and say so.
std::string PageHead(const std::string& title, const char* linkColor) {
    return std::string("<!DOCTYPE html>\r\n<HTML>\r\n<HEAD>\r\n") +
           "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">\r\n" + "<TITLE>" +
           Escape(title) + "</TITLE>\r\n</HEAD>\r\n" + "<BODY TEXT=\"#FFFFFF\" BGCOLOR=\"#006600\" LINK=\"" +
           linkColor + "\" VLINK=\"" + linkColor + "\" ALINK=\"" + linkColor + "\" BACKGROUND=\"../" +
           kBackground + "\">\r\n";
}

void WritePage(const fs::path& path, const std::string& text) {
    WriteWholeFile(path.string(), std::vector<std::uint8_t>(text.begin(), text.end()));
}

void WriteImageIfMissing(const fs::path& path, const std::vector<std::uint8_t>& bytes,
                         std::vector<std::string>& written) {
    std::error_code ec;
    if (fs::exists(path, ec)) return;
    WriteWholeFile(path.string(), bytes);
    written.push_back(path.string());
}

class TCountryPage {
public:
    void Open(const std::string& code, const std::string& name) {
        code_ = code;
        text_ = PageHead(name + " - " + kSiteTitle, "#0000ff");
        text_ += "<H1 ALIGN=\"CENTER\"><A HREF=\"index.html\"><IMG SRC=\"" + FlagSrc(code) +
                 "\" BORDER=\"0\" ALT=\"" + Escape(name) + "\"></A> <FONT COLOR=\"#FFFF00\">" + Escape(name) +
                 "</FONT></H1>\r\n";
        text_ += "<TABLE BORDER=\"1\" WIDTH=\"450\" ALIGN=\"CENTER\" BGCOLOR=\"#FFFFFF\">\r\n";
        text_ += "<TR><TD><FONT COLOR=\"#000000\"><B>EQUIPA</B></FONT></TD>"
                 "<TD ALIGN=\"RIGHT\"><FONT COLOR=\"#000000\"><B>DATA</B></FONT></TD></TR>\r\n";
        open_ = true;
    }
    void AddTeam(const std::string& fileName, const std::string& shortName, const std::string& date) {
        text_ += "<TR><TD WIDTH=\"70%\"><A HREF=\"" + Escape(fileName) + "\"><IMG SRC=\"" + kBallIcon +
                 "\" BORDER=\"0\" ALT=\"\"> " + Escape(shortName) +
                 "</A></TD><TD WIDTH=\"30%\" ALIGN=\"RIGHT\">" + "<FONT COLOR=\"#000000\">" + Escape(date) +
                 "</FONT></TD></TR>\r\n";
    }
    // Writes the page when one is open; returns its path, or empty.
    std::string Close(const fs::path& folder) {
        if (!open_) return std::string();
        text_ += "</TABLE>\r\n</BODY>\r\n</HTML>\r\n";
        const fs::path path = folder / (code_ + ".html");
        WritePage(path, text_);
        open_ = false;
        return path.string();
    }

private:
    std::string code_;
    std::string text_;
    bool open_ = false;
};

} // namespace

std::string DefaultFileDateText(fs::file_time_type date) {
    const auto sys = std::chrono::file_clock::to_sys(date);
    const std::time_t t = std::chrono::system_clock::to_time_t(sys);
    std::tm local{};
    localtime_r(&t, &local);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%d-%m-%Y %H:%M", &local);
    return buffer;
}

namespace {
// The name the team's file has in the site: its own name part with the extension of the written format.
// A name that could lead out of the folder is replaced.
std::string SiteFileName(const TEditorTeam& team, int fileVersion) {
    std::string part = fs::path(FileNamePart(ToNativePath(team.currentFileName))).filename().string();
    if (part.empty() || part == "." || part == "..") part = SafeCode(team.attr.ShortName());
    return part + "." + TeamFileExtension(fileVersion);
}
} // namespace

TWebExportResult ExportWebSite(const TKolList<TEditorTeam>& teams, const std::string& webDirectory,
                               const std::string& dataDir, int fileVersion,
                               const TFileDateFormatter& formatDate) {
    TWebExportResult result;
    const fs::path root = fs::absolute(fs::path(ToNativePath(webDirectory.empty() ? "." : webDirectory)));
    const fs::path folder = root / "equipas";
    result.folder = folder.string();
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) throw EInOutError(folder.string() + ": " + ec.message());

    // The effective teams grouped by the country code itself, countries in code order and each country's
    // teams in list order, however the list is sorted.
    std::map<std::string, std::vector<const TEditorTeam*>> byCountry;
    for (const TEditorTeam* team : teams)
        if (team != nullptr && !team->currentProvisory)
            byCountry[SafeCode(team->attr.Country())].push_back(team);

    std::string index = PageHead(kSiteTitle, "#FFFF00");
    index += std::string("<H1 ALIGN=\"CENTER\"><FONT COLOR=\"#FFFF00\" SIZE=\"7\">") + kSiteTitle +
             "</FONT></H1>\r\n";
    index += "<TABLE BORDER=\"0\" WIDTH=\"472\" ALIGN=\"CENTER\">\r\n";

    TCountryPage page;
    int cells = 0;
    for (const auto& [code, members] : byCountry) {
        const TCountry* country = FindCountry(kFindByCode, members.front()->attr.Country());
        const std::string name = country ? country->Name() : members.front()->attr.Country();
        if (cells % 5 == 0) index += "<TR>\r\n";
        index += "<TD WIDTH=\"20%\" VALIGN=\"MIDDLE\"><A HREF=\"" + code + ".html\"><IMG SRC=\"" +
                 FlagSrc(code) + "\" BORDER=\"0\" ALT=\"\"><BR>" + Escape(name) + "</A></TD>\r\n";
        ++cells;
        if (cells % 5 == 0) index += "</TR>\r\n";
        page.Open(code, name);
        for (const TEditorTeam* team : members) {
            const std::string date = !team->hasFileDate ? std::string()
                                     : formatDate       ? formatDate(team->fileDate)
                                                        : DefaultFileDateText(team->fileDate);
            // The team's file beside the pages, as the editor holds it, so that the page's link works.
            const std::string fileName = SiteFileName(*team, fileVersion);
            WriteWholeFile((folder / fileName).string(), team->ToTeamFile().Write(fileVersion));
            result.teamFiles.push_back((folder / fileName).string());
            page.AddTeam(fileName, team->attr.ShortName(), date);
        }
        result.pages.push_back(page.Close(folder));
    }

    // A row left open by the last country is closed, and the table with it, so the foot stands below.
    if (cells % 5 != 0) index += "</TR>\r\n";
    index +=
        "</TABLE>\r\n<P ALIGN=\"CENTER\">&nbsp;</P>\r\n<P ALIGN=\"CENTER\"><SMALL>&nbsp;</SMALL></P>\r\n";
    index += "</BODY>\r\n</HTML>\r\n";
    WritePage(folder / "index.html", index);
    result.pages.push_back((folder / "index.html").string());

    // The pictures the pages refer to.
    if (!byCountry.empty()) {
        fs::create_directories(folder / "flags", ec);
        if (ec) throw EInOutError((folder / "flags").string() + ": " + ec.message());
    }
    for (const auto& entry : byCountry) {
        const std::string& code = entry.first;
        const TFlagFile flag = FlagFile(ToNativePath(dataDir), code);
        if (!flag.exists) continue;
        const fs::path target = folder / "flags" / (code + ".BMP");
        WriteWholeFile(target.string(), ReadWholeFile(flag.path));
        result.images.push_back(target.string());
    }
    WriteImageIfMissing(folder / kBallIcon, BallIconPicture(), result.images);
    WriteImageIfMissing(root / kBackground, GrassPicture(), result.images);
    return result;
}
