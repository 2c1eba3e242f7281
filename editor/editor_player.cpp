#include "editor/editor_player.h"

#include "editor/editor_team.h"
#include "editor/editor_texts.h"
#include "foundation/row_markup.h"
#include "foundation/texts.h"

namespace {

const TEditorPlayer* AsPlayer(const TKolObject* o) {
    return static_cast<const TEditorPlayer*>(o);
}

constexpr int kStarWidth = 18;
constexpr int kNameWidth = 170;
constexpr int kPositionWidth = 100;
constexpr int kAgeWidth = 45;
constexpr int kBehaviourWidth = 110;
constexpr int kNationalityWidth = 90;
constexpr int kTeamWidth = 150;

} // namespace

std::string PositionText(int position) {
    return position >= 0 && position < 4 ? GetText(kPositionTexts[position]) : std::string();
}

std::string BehaviourText(int behaviour) {
    return behaviour >= 0 && behaviour <= 5 ? GetText(kFirstBehaviourText + behaviour) : std::string();
}

bool PlayerInOrder(const TEditorPlayer* earlier, const TEditorPlayer* later) {
    if (earlier->attr.Position() != later->attr.Position())
        return earlier->attr.Position() < later->attr.Position();
    return earlier->attr.Name() <= later->attr.Name();
}

std::string TEditorPlayer::GetListText(int mask) const {
    TRowMarkup row;
    if (attr.IsStar())
        row.Cell(kStarWidth, std::string(1, static_cast<char>(kRowMarkBulletYellow)));
    else
        row.Cell(kStarWidth, "");
    row.Cell(attr.IsStar() ? kRowBoldOn : kRowBoldOff, kNameWidth, attr.Name());
    row.Cell(kRowBoldOff, kPositionWidth, PositionText(attr.Position()));
    row.Cell(kRowAlignRight, kAgeWidth, std::to_string(attr.Age()));
    row.Cell(kBehaviourWidth, BehaviourText(attr.Behaviour()));
    row.Cell(kNationalityWidth, attr.Nationality());
    if (mask == kPlayerRowAll && team_ != nullptr) row.Cell(kTeamWidth, team_->attr.ShortName());
    return row.Text();
}

void TEditorPlayer::SetupColumns(TColumnList& header, bool numbered, int a, int b) const {
    TKolObject::SetupColumns(header, numbered, a, b);
    AddColumn(header, GetText(kTxtColStar), kStarWidth);
    AddColumn(header, GetText(kTxtColName), kNameWidth);
    AddColumn(header, GetText(kTxtColPosition), kPositionWidth);
    AddColumn(header, GetText(kTxtColAge), kAgeWidth);
    AddColumn(header, GetText(kTxtColBehaviour), kBehaviourWidth);
    AddColumn(header, GetText(kTxtColNationality), kNationalityWidth);
    if (a == kPlayerRowAll) AddColumn(header, GetText(kTxtColTeam), kTeamWidth);
}

TKolOrder TEditorPlayer::SortCompare(const std::string& columnTitle) const {
    if (columnTitle == GetText(kTxtColStar))
        return [](const TKolObject* x, const TKolObject* y) {
            return AsPlayer(x)->attr.Star() >= AsPlayer(y)->attr.Star();
        };
    if (columnTitle == GetText(kTxtColPosition))
        return
            [](const TKolObject* x, const TKolObject* y) { return PlayerInOrder(AsPlayer(x), AsPlayer(y)); };
    if (columnTitle == GetText(kTxtColAge))
        return [](const TKolObject* x, const TKolObject* y) {
            return AsPlayer(x)->attr.Age() <= AsPlayer(y)->attr.Age();
        };
    if (columnTitle == GetText(kTxtColBehaviour))
        return [](const TKolObject* x, const TKolObject* y) {
            return AsPlayer(x)->attr.Behaviour() <= AsPlayer(y)->attr.Behaviour();
        };
    if (columnTitle == GetText(kTxtColNationality))
        return [](const TKolObject* x, const TKolObject* y) {
            return AsPlayer(x)->attr.Nationality() <= AsPlayer(y)->attr.Nationality();
        };
    if (columnTitle == GetText(kTxtColTeam))
        return [](const TKolObject* x, const TKolObject* y) {
            const TEditorTeam* a = AsPlayer(x)->Team();
            const TEditorTeam* b = AsPlayer(y)->Team();
            return (a ? a->attr.ShortName() : std::string()) <= (b ? b->attr.ShortName() : std::string());
        };
    return [](const TKolObject* x, const TKolObject* y) {
        return AsPlayer(x)->attr.Name() <= AsPlayer(y)->attr.Name();
    };
}
