#pragma once
// Shared set-up of the editor tests: a scratch data folder with both team folders, a country list, and
// team files written through the team-file writer.
#include "datafiles/countries.h"
#include "datafiles/team_check.h"
#include "datafiles/team_file.h"
#include "editor/editor_model.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

class EditorTestBase : public ::testing::Test {
protected:
    void SetUp() override {
        ResetCountries();
        for (const char* code : {"POR", "ESP", "BRA", "ENG", "ITA", "FRA", "GER"})
            AllCountries().Add(std::make_unique<TCountry>(std::string("Land ") + code, code, code));
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() / ("kolbrin-editor-" + std::to_string(getpid()) + "-" +
                                                         info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_ / kEffectiveFolder);
        std::filesystem::create_directories(dir_ / kProvisoryFolder);
        options_.dataDir = dir_.string();
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::permissions(dir_ / kEffectiveFolder, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(dir_, ec);
        ResetCountries();
    }

    // A valid team: one goalkeeper and 13 outfield players of the team's country, `stars` of them stars.
    static TTeamFile MakeTeam(const std::string& shortName, const std::string& country = "POR", int stars = 0,
                              int players = 14) {
        TTeamFile f;
        f.team.SetName(shortName + " Futebol Clube");
        f.team.SetShortName(shortName);
        f.team.SetCountry(country);
        f.team.SetLevel(12);
        f.coach.SetName("Coach " + shortName);
        for (int i = 0; i < players; ++i) {
            TPlayerAttr p;
            p.SetName(shortName.substr(0, 8) + " P" + std::to_string(100 + i));
            p.SetPosition(static_cast<std::uint8_t>(i == 0 ? 0 : 1 + i % 3));
            p.SetNationality(country);
            p.SetStar(i < stars ? 1 : 0);
            p.SetBehaviour(2);
            p.SetAge(20 + i);
            f.players.push_back(p);
        }
        return f;
    }

    std::string PathOf(bool provisory, const std::string& name) const {
        return (dir_ / (provisory ? kProvisoryFolder : kEffectiveFolder) / name).string();
    }
    void Write(bool provisory, const std::string& name, const TTeamFile& f, int version = 2002) const {
        f.WriteFile(PathOf(provisory, name), version);
    }
    bool Exists(bool provisory, const std::string& name) const {
        return std::filesystem::exists(PathOf(provisory, name));
    }

    static TEditorTeam* FindTeam(TEditorModel& m, const std::string& shortName) {
        for (TEditorTeam* t : m.Teams())
            if (t->attr.ShortName() == shortName) return t;
        return nullptr;
    }

    std::filesystem::path dir_;
    TEditorOptions options_;
};
