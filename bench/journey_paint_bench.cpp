// Painting the live matchday: one page of 24 games, each line with its crowd, both clubs in their colours,
// the scores and the latest event with its symbol, then the frame, into an image of a 1280 x 800 screen
// with the raster painter the window uses. The games are a cup round of 48 clubs played to minute 70, so
// most lines carry an event. The yardstick beside it paints 24 plain text lines of the same length into
// the same image in the same run: it shows what this machine's text painting costs at that moment. On a
// busy machine compare the CPU column.
// The window repaints once a match minute; the page must paint well under 4 ms to keep the fastest pace.
#include "bench/bench_data.h"
#include "club/computer_management.h"
#include "match/game_lines.h"
#include "match/matchday_runner.h"
#include "match/substitutions.h"
#include "tests/world/career_world.h"
#include "ui/game/match/journey_painter.h"
#include "world/game.h"
#include "world/game_factory.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int kWidth = 1280, kHeight = 800;
constexpr int kClubs = 48;
constexpr int kMinutes = 70;

struct TCupRound {
    TScriptedUserPort port;
    TWorld world;
    TCupRound() {
        port.RecordBeeps = false;
        InstallSubstitutionAutopilot(port);
        world.SetPort(port);
        SetRandSeed(2002);
        worldtest::BuildCareerWorld(world, worldtest::CareerTeamFiles(kClubs));
        world.Options.viewComputerPenalties = false;
        std::vector<TTeam*> clubs(world.AllTeams.begin(), world.AllTeams.end());
        CreateCompetitionGames(world, clubs, gkCup, "Cup", 10, 1000000, kClubs / 2, "");
        for (TGame* game : world.RoundGames)
            if (game->HasTeams()) {
                ComputerRound(*game->homeTeam);
                ComputerRound(*game->awayTeam);
            }
        TMatchdayRunner runner(world, 1, "Cup");
        runner.Start();
        for (int tick = 0; tick < TMatchdayRunner::kLeadInTicks + kMinutes; ++tick) runner.Tick();
    }
};

TCupRound& Round() {
    static TCupRound round;
    return round;
}

void BM_PaintJourneyPage(benchmark::State& state) {
    TCupRound& round = Round();
    TJourneyView view;
    view.geometry = TMatchdayGeometry::ForScreen(kWidth, kHeight);
    view.cupMatchday = true;
    view.gamesOnPage = std::min(24, round.world.RoundGames.Count());
    int events = 0;
    for (const TGame* game : round.world.RoundGames) events += game->events.Count() > 0 ? 1 : 0;
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        PaintJourney(painter, round.world, view);
    }
    state.counters["games"] = view.gamesOnPage;
    state.counters["lines_with_event"] = events;
}
BENCHMARK(BM_PaintJourneyPage)->Unit(benchmark::kMillisecond);

// The yardstick: 24 lines of plain text of a game line's length, on the same ground.
void BM_PaintPlainTextLines(benchmark::State& state) {
    const TMatchdayGeometry g = TMatchdayGeometry::ForScreen(kWidth, kHeight);
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    QFont font;
    font.setPixelSize(g.fontSize * 4 / 3);
    const QString text = QStringLiteral("12345  Home Club Name FC  2  1  Away Club Name FC  Player Name 67'");
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), QColor(0, 128, 0));
        painter.setFont(font);
        painter.setPen(Qt::yellow);
        for (int row = 0; row < 24; ++row) painter.drawText(20, g.RowTop(row) + g.rowHeight - 6, text);
    }
}
BENCHMARK(BM_PaintPlainTextLines)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
