#include "ui/game/market/player_heading.h"

#include "foundation/texts.h"
#include "world/player.h"
#include "world/world_texts.h"

#include <iterator>
#include <utility>

std::string PlayerHeading(const TPlayer& player) {
    return player.DisplayName() + " - " + TPlayer::PositionLongName(player.position()) + ", " +
           GetText(kTxtColLevel) + " " + std::to_string(player.level()) + ", " + GetText(kTxtColAge) + " " +
           std::to_string(player.age());
}

namespace {
constexpr int kBehaviourText = 121;
constexpr int kSeasonGoalsText = 200;
constexpr int kGamesText = 202;
constexpr int kCareerText = 374;
constexpr int kGoalsText = 113;
constexpr int kRedCardsText = 203;
constexpr int kInjuriesText = 204;
} // namespace

std::vector<std::string> PlayerDetailLines(const TPlayer& player, bool careerOnOneLine) {
    const auto line = [](int tag, const std::string& value) { return GetCaptionText(tag) + ": " + value; };
    std::vector<std::string> lines{line(kBehaviourText, TPlayer::BehaviourName(player.behaviour())),
                                   line(kSeasonGoalsText, std::to_string(player.season.runningGoals))};
    const std::pair<int, int> career[] = {{kGamesText, player.career.appearances},
                                          {kGoalsText, player.career.goals},
                                          {kRedCardsText, player.career.redCards},
                                          {kInjuriesText, player.career.injuriesCount}};
    if (careerOnOneLine) {
        std::string text = GetCaptionText(kCareerText) + ":";
        for (std::size_t i = 0; i < std::size(career); ++i) {
            // The captions end in a blank of their own (they stand before a colon elsewhere).
            std::string caption = GetCaptionText(career[i].first);
            while (!caption.empty() && caption.back() == ' ') caption.pop_back();
            text += (i == 0 ? " " : ", ") + caption + " " + std::to_string(career[i].second);
        }
        lines.push_back(text);
    } else {
        lines.push_back(GetCaptionText(kCareerText) + ":");
        for (const auto& [tag, count] : career) lines.push_back("  " + line(tag, std::to_string(count)));
    }
    if (player.suspendedGames > 0) lines.push_back(player.GetInfoText(2, {}));
    if (player.injuredGames > 0) lines.push_back(player.GetInfoText(1, {}));
    return lines;
}
