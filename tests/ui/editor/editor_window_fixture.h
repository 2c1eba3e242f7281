#pragma once
// Shared set-up of the editor window tests: a small data folder (two effective teams, one provisory, one
// referee), the English texts, and a way to answer the modal dialog a step opens.
#include "datafiles/countries.h"
#include "datafiles/referee_file.h"
#include "datafiles/team_file.h"
#include "foundation/texts.h"
#include "ui/editor/editor_main.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace editor_window_test {

inline TTeamFile MakeTeam(const std::string& shortName, const std::string& country = "POR",
                          std::int32_t textColour = 0xFFFFFF, std::int32_t backColour = 0x800000) {
    TTeamFile f;
    f.team.SetName(shortName + " Clube");
    f.team.SetShortName(shortName);
    f.team.SetCountry(country);
    f.team.SetColor1(textColour);
    f.team.SetColor2(backColour);
    f.coach.SetName("Mister " + shortName);
    for (int i = 0; i < 14; ++i) {
        TPlayerAttr p;
        p.SetName(shortName + " " + std::to_string(10 + i));
        p.SetPosition(static_cast<std::uint8_t>(i == 0 ? 0 : 1 + i % 3));
        p.SetNationality(country);
        p.SetAge(20 + i);
        f.players.push_back(p);
    }
    return f;
}

// Runs `step` on the next modal dialog (polling, since it opens inside exec()). The returned flag stops a
// watcher whose dialog never came, so that it cannot answer a later test's dialog.
inline std::shared_ptr<bool> OnNextModal(std::function<void(QWidget*)> step, int triesLeft = 200,
                                         std::shared_ptr<bool> alive = std::make_shared<bool>(true)) {
    QTimer::singleShot(10, [step, triesLeft, alive] {
        if (!*alive) return;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            *alive = false;
            step(modal);
        } else if (triesLeft > 0) {
            OnNextModal(step, triesLeft - 1, alive);
        }
    });
    return alive;
}

// Answers the next message box with `button`, keeping its text in `text`.
inline std::shared_ptr<bool> AnswerNextBox(QMessageBox::StandardButton button, QString* text = nullptr) {
    return OnNextModal([button, text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            modal->close();
            return;
        }
        if (text) *text = box->text();
        if (QAbstractButton* b = box->button(button))
            b->click();
        else
            box->close();
    });
}

// A data folder under `root`: Alfa and Beta effective (Portuguese), Gama provisory, one referee.
inline std::string MakeDataFolder(const QTemporaryDir& root, const char* name) {
    namespace fs = std::filesystem;
    const std::string data = root.path().toStdString() + "/" + name;
    fs::remove_all(data);
    fs::create_directories(data + "/Teams");
    fs::create_directories(data + "/Provisory Teams");
    MakeTeam("Alfa").WriteFile(data + "/Teams/alfa.kbt", 2002);
    MakeTeam("Beta").WriteFile(data + "/Teams/beta.kbt", 2002);
    MakeTeam("Gama").WriteFile(data + "/Provisory Teams/gama.kbt", 2002);
    WriteRefereeFilePath(data + "/referee.txe", {TRefereeAttr("Um Arbitro", "POR")});
    return data;
}

inline void StartEnglishAndCountries() {
    OpenLabelsFile(KOLBRIN_BINARY_DIR "/bin/Int/en/KOLB2002_01_en.kbl");
    ResetCountries();
    AllCountries().Add(std::make_unique<TCountry>("Portugal", "POR", "POR"));
    AllCountries().Add(std::make_unique<TCountry>("Spain", "ESP", "ESP"));
}

inline TEditorOptions OptionsFor(const std::string& data) {
    TEditorOptions o;
    o.dataDir = data;
    o.webDirectory = data + "/web";
    return o;
}

} // namespace editor_window_test
