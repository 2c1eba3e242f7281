// The country of texts 10 and 11: added only when it names a code, and known to every team check, the
// editor's and the one of `kolbrin-data team check`.
#include "datafiles/countries.h"
#include "datafiles/team_check.h"
#include "datafiles/team_file.h"
#include "foundation/labels_line.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;

void WriteCodedLines(const fs::path& path, const std::vector<std::string>& plain) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    for (const std::string& line : plain) out << (line.empty() ? "X" : EncodeLabelsLine(line)) << "\r\n";
}

// A squad that passes every rule but the country ones: 2 goalkeepers, 12 outfield players, all of the team's
// own country, a coach.
TTeamFile SoundTeam(const std::string& country) {
    TTeamFile f;
    f.team.SetName("Clube Teste");
    f.team.SetShortName("Teste");
    f.team.SetCountry(country);
    for (int i = 0; i < 14; ++i) {
        TPlayerAttr p;
        p.SetName("Jogador " + std::to_string(i));
        p.SetPosition(static_cast<std::uint8_t>(i < 2 ? 0 : 1 + i % 3));
        p.SetNationality(country);
        p.SetAge(25);
        f.players.push_back(p);
    }
    f.coach.SetName("Treinador");
    return f;
}

TEST(ReviewFallbackCountry, AnEmptyText10AddsNoCountryAndAnEmptyTeamCountryStaysUnknown) {
    ResetCountries();
    AddFallbackCountry("", "Nowhere");
    EXPECT_EQ(AllCountries().Count(), 0);
    EXPECT_EQ(FindCountry(kFindByCode, ""), nullptr);

    const TTeamFile f = SoundTeam("");
    std::vector<const TPlayerAttr*> players;
    for (const TPlayerAttr& p : f.players) players.push_back(&p);
    const std::uint32_t flags = ComputeTeamCheckFlags(f.team, players, &f.coach, "Teste.kbt", {});
    EXPECT_EQ(flags & tcUnknownCountry, tcUnknownCountry);

    // A named code is still added once.
    AddFallbackCountry("PORTUGAL", "Portugal");
    AddFallbackCountry("POR", "Other");
    ASSERT_EQ(AllCountries().Count(), 1);
    EXPECT_EQ(FindCountry(kFindByCode, "POR")->Name(), "Portugal");
    ResetCountries();
}

TEST(ReviewFallbackCountry, TheToolsTeamCheckKnowsTheCountryOfText10) {
    const fs::path tool = fs::path(KOLBRIN_BINARY_DIR) / "bin" / "kolbrin-data";
    if (!fs::is_regular_file(tool)) GTEST_SKIP() << "kolbrin-data is not built";
    const fs::path game =
        fs::temp_directory_path() / ("kolbrin_review_fallback_" + std::to_string(::getpid()));
    fs::remove_all(game);
    // The names file lacks POR; the labels file names it in texts 10 and 11 (the last line yields nothing).
    WriteCodedLines(game / "Int" / "xx" / "KOLB2002_02_xx.kbl", {"Countries 2000", "xx", "ESP ESP Spain"});
    std::vector<std::string> labels(12);
    labels[0] = "KB2002 - LABEL";
    labels[1] = "xx Test";
    labels[2] = "ESP";
    labels[9] = "POR";
    labels[10] = "Portugal";
    WriteCodedLines(game / "Int" / "xx" / "KOLB2002_01_xx.kbl", labels);
    fs::create_directories(game / "Teams");
    SoundTeam("POR").WriteFile((game / "Teams" / "Teste.kbt").string(), kDataFormat2002);
    SoundTeam("XYZ").WriteFile((game / "Teams" / "Outro.kbt").string(), kDataFormat2002);

    const std::string command = "'" + tool.string() + "' team check '" + (game / "Teams").string() +
                                "' --data '" + game.string() + "' --lang xx 2>/dev/null";
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    const int status = ::pclose(pipe);
    fs::remove_all(game);

    // Only the team of an unlisted country fails, with the reason of bit 0x002 and nothing else.
    EXPECT_EQ(output.find("Teste.kbt"), std::string::npos) << output;
    EXPECT_NE(output.find("Outro.kbt 0x002"), std::string::npos) << output;
    EXPECT_EQ(WEXITSTATUS(status), 1);
}
} // namespace
