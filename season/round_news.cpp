#include "season/round_news.h"

#include "foundation/texts.h"
#include "world/world.h"

#include <vector>

namespace {
constexpr int kRoundNewsTitleText = 273;
}

void ShowRoundMessages(TWorld& world) {
    world.RoundMessages.Pack();
    if (world.RoundMessages.Empty()) return;
    const std::vector<TKolObject*> news(world.RoundMessages.begin(), world.RoundMessages.end());
    world.Port().ShowRoundNews(news, GetText(kRoundNewsTitleText));
    world.RoundMessages.Clear();
}
