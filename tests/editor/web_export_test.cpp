// The web export: the index of countries in rows of five, one page per country code with one row per team
// whatever the list's order, provisory teams left out, the team files the rows link to, and the pictures
// the pages name.
#include "editor_test_support.h"

#include "editor/png_writer.h"
#include "editor/web_export.h"
#include "editor/web_images.h"
#include "foundation/binary_file.h"
#include "foundation/errors.h"

#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

int CountOf(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + what.size())) ++n;
    return n;
}

// The index's rows, each the number of country cells it holds.
std::vector<int> IndexRows(const std::string& index) {
    std::vector<int> rows;
    for (auto pos = index.find("<TR>"); pos != std::string::npos; pos = index.find("<TR>", pos + 4)) {
        const auto end = index.find("</TR>", pos);
        rows.push_back(CountOf(index.substr(pos, end - pos), "<TD WIDTH=\"20%\" VALIGN=\"MIDDLE\">"));
    }
    return rows;
}

std::uint32_t BigEndian(const std::vector<std::uint8_t>& b, std::size_t at) {
    return (std::uint32_t(b[at]) << 24) | (std::uint32_t(b[at + 1]) << 16) | (std::uint32_t(b[at + 2]) << 8) |
           b[at + 3];
}

} // namespace

class WebExport : public EditorTestBase {
protected:
    void SetUp() override {
        EditorTestBase::SetUp();
        web_ = dir_ / "web";
        fs::create_directories(dir_ / "flags");
        std::ofstream(dir_ / "flags" / "POR.bmp", std::ios::binary) << "BMflag";
    }
    // Teams in this order, each "CODE:name", provisory when the name starts with "~".
    TEditorModel& Load(const std::vector<std::string>& teams) {
        int n = 0;
        for (const std::string& t : teams) {
            const bool provisory = t[4] == '~';
            Write(provisory, "t" + std::to_string(10 + n++) + ".kbt",
                  MakeTeam(t.substr(provisory ? 5 : 4), t.substr(0, 3)));
        }
        model_ = std::make_unique<TEditorModel>(options_);
        // The directory order (t10, t11, ...) is the wanted list order; the editor's name sort is skipped.
        model_->LoadFolder(false);
        model_->LoadFolder(true);
        return *model_;
    }
    TWebExportResult Export() {
        return ExportWebSite(model_->Teams(), web_.string(), dir_.string(), kDataFormat2002,
                             [](fs::file_time_type) { return "DATE"; });
    }
    fs::path web_;
    std::unique_ptr<TEditorModel> model_;
};

TEST_F(WebExport, IndexRowsHoldFiveCountriesAndEveryCountryGetsAPage) {
    Load({"POR:Um", "POR:Dois", "ESP:Tres", "BRA:Quatro", "ENG:Cinco", "ITA:Seis", "FRA:Sete", "POR:~Oito"});
    const TWebExportResult r = Export();
    const std::string index = ReadText(web_ / "equipas" / "index.html");
    EXPECT_EQ(IndexRows(index), (std::vector<int>{5, 1}));
    EXPECT_NE(index.find("<TITLE>Equipas para Kolbrin 98</TITLE>"), std::string::npos);
    EXPECT_NE(index.find("BGCOLOR=\"#006600\""), std::string::npos);
    EXPECT_NE(index.find("BACKGROUND=\"../grama2.jpg\""), std::string::npos);
    EXPECT_NE(index.find("WIDTH=\"472\""), std::string::npos);
    EXPECT_NE(index.find("<A HREF=\"POR.html\"><IMG SRC=\"flags/POR.BMP\""), std::string::npos);
    EXPECT_NE(index.find("Land POR"), std::string::npos);
    EXPECT_EQ(index.rfind("</BODY>\r\n</HTML>\r\n"), index.size() - 18);
    EXPECT_EQ(r.pages.size(), 7u);

    const std::string por = ReadText(web_ / "equipas" / "POR.html");
    EXPECT_NE(por.find("<TITLE>Land POR - Equipas para Kolbrin 98</TITLE>"), std::string::npos);
    EXPECT_NE(por.find("LINK=\"#0000ff\""), std::string::npos);
    EXPECT_NE(por.find("<A HREF=\"index.html\">"), std::string::npos);
    EXPECT_NE(por.find("WIDTH=\"450\""), std::string::npos);
    EXPECT_NE(por.find("EQUIPA"), std::string::npos);
    EXPECT_NE(por.find("DATA"), std::string::npos);
    // Two effective teams; the provisory one is left out.
    EXPECT_EQ(CountOf(por, "<TD WIDTH=\"70%\">"), 2);
    EXPECT_NE(por.find("<A HREF=\"t10.kbt\"><IMG SRC=\"bolafut.gif\" BORDER=\"0\" ALT=\"\"> Um</A>"),
              std::string::npos);
    EXPECT_EQ(por.find("Oito"), std::string::npos);
    EXPECT_NE(por.find("<TD WIDTH=\"30%\" ALIGN=\"RIGHT\"><FONT COLOR=\"#000000\">DATE</FONT>"),
              std::string::npos);
    EXPECT_EQ(CountOf(por, "</TABLE>\r\n</BODY>\r\n</HTML>"), 1);
    for (const char* code : {"ESP", "BRA", "ENG", "ITA", "FRA"})
        EXPECT_TRUE(fs::exists(web_ / "equipas" / (std::string(code) + ".html"))) << code;
}

TEST_F(WebExport, ExactlyFiveCountriesCloseTheirRow) {
    Load({"POR:Um", "ESP:Dois", "BRA:Tres", "ENG:Quatro", "ITA:Cinco"});
    Export();
    const std::string index = ReadText(web_ / "equipas" / "index.html");
    EXPECT_EQ(IndexRows(index), (std::vector<int>{5}));
    EXPECT_EQ(CountOf(index, "<TR>"), CountOf(index, "</TR>"));
}

TEST_F(WebExport, ACountryIsOnePageWhateverTheListOrder) {
    // Sorted by something else than the country (level, say): Portugal is met twice.
    Load({"POR:Um", "ESP:Dois", "POR:Tres"});
    const TWebExportResult r = Export();
    const std::string index = ReadText(web_ / "equipas" / "index.html");
    EXPECT_EQ(CountOf(index, "HREF=\"POR.html\""), 1);
    EXPECT_EQ(IndexRows(index), (std::vector<int>{2}));
    // Countries in code order: ESP before POR.
    EXPECT_LT(index.find("HREF=\"ESP.html\""), index.find("HREF=\"POR.html\""));
    EXPECT_EQ(r.pages, (std::vector<std::string>{(web_ / "equipas" / "ESP.html").string(),
                                                 (web_ / "equipas" / "POR.html").string(),
                                                 (web_ / "equipas" / "index.html").string()}));
    // Both Portuguese teams on the one page, in list order.
    const std::string por = ReadText(web_ / "equipas" / "POR.html");
    EXPECT_EQ(CountOf(por, "<TD WIDTH=\"70%\">"), 2);
    ASSERT_NE(por.find("> Um<"), std::string::npos);
    EXPECT_LT(por.find("> Um<"), por.find("> Tres<"));
    EXPECT_EQ(por.find("Dois"), std::string::npos);
}

TEST_F(WebExport, EveryLinkedTeamFileIsWrittenBesideThePagesAsTheEditorHoldsIt) {
    Load({"POR:Um", "ESP:~Dois"});
    TEditorTeam* um = model_->Teams()[0];
    model_->SetNames(*um, "Um Renovado FC", "Um Novo", um->coach->attr.Name());
    const TWebExportResult r = Export();
    ASSERT_EQ(r.teamFiles, (std::vector<std::string>{(web_ / "equipas" / "t10.kbt").string()}));
    const TTeamFile written = TTeamFile::ReadFile(r.teamFiles[0], kDataFormat2002);
    EXPECT_EQ(written.team.ShortName(), "Um Novo");
    EXPECT_EQ(written.players.size(), 14u);
    EXPECT_NE(ReadText(web_ / "equipas" / "POR.html").find("<A HREF=\"t10.kbt\">"), std::string::npos);
    // The provisory team is neither listed nor published.
    EXPECT_FALSE(fs::exists(web_ / "equipas" / "t11.kbt"));

    // In the 98 format the file and the link take that format's extension.
    const TWebExportResult old = ExportWebSite(model_->Teams(), web_.string(), dir_.string(), kDataFormat98);
    ASSERT_EQ(old.teamFiles.size(), 1u);
    EXPECT_EQ(fs::path(old.teamFiles[0]).filename(), "t10.kot");
    EXPECT_EQ(TTeamFile::ReadFile(old.teamFiles[0], kDataFormat98).team.ShortName(), "Um Novo");
    EXPECT_NE(ReadText(web_ / "equipas" / "POR.html").find("<A HREF=\"t10.kot\">"), std::string::npos);
}

TEST_F(WebExport, TheFolderIsReportedAsAnAbsolutePath) {
    Load({"POR:Um"});
    const fs::path before = fs::current_path();
    fs::current_path(dir_);
    const TWebExportResult r = ExportWebSite(model_->Teams(), "relative", ".", kDataFormat2002);
    fs::current_path(before);
    EXPECT_EQ(fs::path(r.folder), dir_ / "relative" / "equipas");
    EXPECT_TRUE(fs::path(r.folder).is_absolute());
    EXPECT_TRUE(fs::exists(dir_ / "relative" / "equipas" / "index.html"));
}

TEST_F(WebExport, WithoutEffectiveTeamsOnlyTheIndexIsWritten) {
    Load({"POR:~Um"});
    const TWebExportResult r = Export();
    ASSERT_EQ(r.pages.size(), 1u);
    const std::string index = ReadText(web_ / "equipas" / "index.html");
    EXPECT_TRUE(IndexRows(index).empty());
    EXPECT_NE(index.find("<H1"), std::string::npos);
    EXPECT_NE(index.find("</BODY>"), std::string::npos);
    int files = 0;
    for (const auto& e : fs::directory_iterator(web_ / "equipas")) files += e.path().extension() == ".html";
    EXPECT_EQ(files, 1);
}

TEST_F(WebExport, ThePicturesThePagesNameAreWrittenButExistingOnesAreKept) {
    Load({"POR:Um", "ESP:Dois"});
    fs::create_directories(web_);
    std::ofstream(web_ / "grama2.jpg", std::ios::binary) << "mine";
    Export();
    // The flag is copied under the name the pages use; a country without a flag file gets none.
    EXPECT_EQ(ReadText(web_ / "equipas" / "flags" / "POR.BMP"), "BMflag");
    EXPECT_FALSE(fs::exists(web_ / "equipas" / "flags" / "ESP.BMP"));
    EXPECT_EQ(ReadText(web_ / "grama2.jpg"), "mine");
    const auto ball = ReadWholeFile((web_ / "equipas" / "bolafut.gif").string());
    EXPECT_EQ(ball, BallIconPicture());
}

TEST_F(WebExport, ADamagedCountryCodeNeverLeadsOutOfTheSite) {
    Load({"POR:Um"});
    model_->Teams()[0]->attr.SetCountry("../");
    Export();
    EXPECT_FALSE(fs::exists(web_ / ".html"));
    EXPECT_TRUE(fs::exists(web_ / "equipas" / "___.html"));
    EXPECT_NE(ReadText(web_ / "equipas" / "index.html").find("HREF=\"___.html\""), std::string::npos);
}

TEST_F(WebExport, AnUnwritableFolderIsAnError) {
    Load({"POR:Um"});
    std::ofstream(dir_ / "blocked") << "a file where the folder should be";
    EXPECT_THROW(ExportWebSite(model_->Teams(), (dir_ / "blocked").string(), dir_.string(), kDataFormat2002),
                 EInOutError);
}

TEST(PngWriter, ChunksCarryTheirLengthsAndChecksums) {
    EXPECT_EQ(Crc32(reinterpret_cast<const std::uint8_t*>("123456789"), 9), 0xCBF43926u);
    const std::vector<std::uint8_t> png = EncodePng(2, 1, {0xFF0000, 0x0000FF});
    const std::vector<std::uint8_t> signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GT(png.size(), 8u);
    EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));
    std::size_t at = 8;
    std::vector<std::string> types;
    while (at + 12 <= png.size()) {
        const std::uint32_t len = BigEndian(png, at);
        types.emplace_back(png.begin() + at + 4, png.begin() + at + 8);
        EXPECT_EQ(BigEndian(png, at + 8 + len), Crc32(png.data() + at + 4, len + 4)) << types.back();
        at += 12 + len;
    }
    EXPECT_EQ(at, png.size());
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    EXPECT_EQ(BigEndian(png, 16), 2u);
    EXPECT_EQ(BigEndian(png, 20), 1u);
    // One stored block: filter byte and two RGB pixels, as written by hand.
    const std::vector<std::uint8_t> raw{0, 0xFF, 0, 0, 0, 0, 0xFF};
    const auto idat = png.begin() + 8 + 25 + 8;
    EXPECT_EQ(std::vector<std::uint8_t>(idat, idat + 2), (std::vector<std::uint8_t>{0x78, 0x01}));
    EXPECT_EQ(std::vector<std::uint8_t>(idat + 2, idat + 7),
              (std::vector<std::uint8_t>{1, 7, 0, 0xF8, 0xFF}));
    EXPECT_EQ(std::vector<std::uint8_t>(idat + 7, idat + 14), raw);
    EXPECT_THROW(EncodePng(2, 2, {0}), std::invalid_argument);
}
