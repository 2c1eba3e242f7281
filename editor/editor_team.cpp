#include "editor/editor_team.h"

#include "editor/editor_texts.h"
#include "editor/list_sort.h"
#include "foundation/row_markup.h"
#include "foundation/texts.h"

namespace {

const TEditorTeam* AsTeam(const TKolObject* o) {
    return static_cast<const TEditorTeam*>(o);
}

constexpr int kValidWidth = 18;
constexpr int kShortNameWidth = 160;
constexpr int kCountryWidth = 60;
constexpr int kLevelWidth = 45;
constexpr int kPlayersWidth = 60;
constexpr int kFileWidth = 150;
constexpr int kFolderWidth = 90;

} // namespace

TEditorTeam::TEditorTeam() : coach(std::make_unique<TEditorCoach>()) {}

std::vector<const TPlayerAttr*> TEditorTeam::PlayerAttrs() const {
    std::vector<const TPlayerAttr*> out;
    for (const TEditorPlayer* p : players)
        if (p) out.push_back(&p->attr);
    return out;
}

void TEditorTeam::SortPlayers() {
    players.Pack();
    StableSortList(players, PlayerInOrder);
}

TTeamFile TEditorTeam::ToTeamFile() const {
    TTeamFile file;
    file.header = header;
    file.headerOk = headerOk;
    file.team = attr;
    for (const TEditorPlayer* p : players)
        if (p) file.players.push_back(p->attr);
    if (coach) file.coach = coach->attr;
    return file;
}

TColor TEditorTeam::SelectedBackColor() const {
    return SelectedBackUnder(attr.Color1());
}

bool TeamInOrder(const TEditorTeam* earlier, const TEditorTeam* later) {
    if (earlier->attr.ShortName() != later->attr.ShortName())
        return earlier->attr.ShortName() < later->attr.ShortName();
    return earlier->currentFileName <= later->currentFileName;
}

std::string TEditorTeam::GetListText(int) const {
    TRowMarkup row;
    const char mark = static_cast<char>(valid ? kRowMarkBulletGreen : kRowMarkBulletRed);
    row.Cell(kValidWidth, std::string(1, mark));
    row.Cell(kShortNameWidth, attr.ShortName() + (modified ? " *" : ""));
    row.Cell(kCountryWidth, attr.Country());
    row.Cell(kRowAlignRight, kLevelWidth, std::to_string(attr.Level()));
    row.Cell(kRowAlignRight, kPlayersWidth, std::to_string(players.Count()));
    row.Cell(kFileWidth, currentFileName);
    row.Cell(kFolderWidth, GetText(currentProvisory ? kTxtProvisory : kTxtEffective));
    return row.Text();
}

void TEditorTeam::SetupColumns(TColumnList& header, bool numbered, int a, int b) const {
    TKolObject::SetupColumns(header, numbered, a, b);
    AddColumn(header, GetText(kTxtColValid), kValidWidth);
    AddColumn(header, GetText(kTxtColTeam), kShortNameWidth);
    AddColumn(header, GetText(kTxtColCountry), kCountryWidth);
    AddColumn(header, GetText(kTxtColLevel), kLevelWidth);
    AddColumn(header, GetText(kTxtColPlayers), kPlayersWidth);
    AddColumn(header, GetText(kTxtColFile), kFileWidth);
    AddColumn(header, GetText(kTxtColFolder), kFolderWidth);
}

TKolOrder TEditorTeam::SortCompare(const std::string& columnTitle) const {
    if (columnTitle == GetText(kTxtColValid))
        return [](const TKolObject* x, const TKolObject* y) { return AsTeam(x)->valid <= AsTeam(y)->valid; };
    if (columnTitle == GetText(kTxtColCountry))
        return [](const TKolObject* x, const TKolObject* y) {
            return AsTeam(x)->attr.Country() <= AsTeam(y)->attr.Country();
        };
    if (columnTitle == GetText(kTxtColLevel))
        return [](const TKolObject* x, const TKolObject* y) {
            return AsTeam(x)->attr.Level() >= AsTeam(y)->attr.Level();
        };
    if (columnTitle == GetText(kTxtColPlayers))
        return [](const TKolObject* x, const TKolObject* y) {
            return AsTeam(x)->players.Count() <= AsTeam(y)->players.Count();
        };
    if (columnTitle == GetText(kTxtColFile))
        return [](const TKolObject* x, const TKolObject* y) {
            return AsTeam(x)->currentFileName <= AsTeam(y)->currentFileName;
        };
    if (columnTitle == GetText(kTxtColFolder))
        return [](const TKolObject* x, const TKolObject* y) {
            return AsTeam(x)->currentProvisory <= AsTeam(y)->currentProvisory;
        };
    return [](const TKolObject* x, const TKolObject* y) { return TeamInOrder(AsTeam(x), AsTeam(y)); };
}
