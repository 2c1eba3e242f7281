#include "season/season_report.h"

#include "foundation/encoding.h"
#include "world/world.h"

#include <algorithm>
#include <cstdio>

namespace {

TSeasonTitle TitleOf(const TTeam* club) {
    TSeasonTitle title;
    if (club == nullptr) return title;
    title.club = club->Name();
    if (club->coach != nullptr) title.coach = club->coach->Name();
    return title;
}

// A JSON string of a Windows-1252 text.
std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : Cp1252ToUtf8(text)) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", u);
            out += buffer;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string TitleText(const TSeasonTitle& title) {
    if (title.club.empty()) return "-";
    return Cp1252ToUtf8(title.club) + " (coach " + Cp1252ToUtf8(title.coach) + ")";
}

std::string TitleJson(const TSeasonTitle& title) {
    return "{\"club\": " + JsonString(title.club) + ", \"coach\": " + JsonString(title.coach) + "}";
}

} // namespace

double TSeasonReport::GoalsPerGame() const {
    return leagueGames == 0 ? 0.0 : static_cast<double>(leagueGoals) / static_cast<double>(leagueGames);
}

std::int64_t TSeasonReport::AverageAttendance() const {
    return gamesWithCrowd == 0 ? 0 : attendance / gamesWithCrowd;
}

THeadlessPort::THeadlessPort(TWorld& world) : world_(world) {
    RecordBeeps = false;
}

void THeadlessPort::BeginSeason() {
    transfers_ = transferMoney_ = games_ = attendance_ = 0;
    yellowAtStart_ = redAtStart_ = injuriesAtStart_ = 0;
    for (const TPlayer* p : world_.AllPlayers) {
        yellowAtStart_ += p->career.yellowCards;
        redAtStart_ += p->career.redCards;
        injuriesAtStart_ += p->career.injuriesCount;
    }
    fromRound_ = world_.ResumeTeam != 0 ? world_.CurrentRound : 1;
    lastTransfer_ = world_.LastTransfersList.Count() > 0 ? world_.LastTransfersList.Last() : nullptr;
}

// The records added since the last look: those after the last one seen (all of them when it has dropped
// off the list's front, which takes a whole list of transfers between two looks).
void THeadlessPort::CountNewTransfers() {
    const auto& list = world_.LastTransfersList;
    int from = 0;
    for (int i = list.Count() - 1; i >= 0; --i)
        if (list[i] == lastTransfer_) {
            from = i + 1;
            break;
        }
    for (int i = from; i < list.Count(); ++i) {
        ++transfers_;
        transferMoney_ += list[i]->price;
    }
    if (list.Count() > 0) lastTransfer_ = list.Last();
}

// The crowds are counted before the ticks: a cup tie leaves the round's games as soon as it is decided.
void THeadlessPort::ShowMatchday(TMatchdayTicker& matchday) {
    for (const TGame* game : world_.RoundGames)
        if (game != nullptr && game->HasTeams()) {
            ++games_;
            attendance_ += game->attendance;
        }
    TScriptedUserPort::ShowMatchday(matchday);
    CountNewTransfers();
    Calls.clear();
    Messages.clear();
}

void THeadlessPort::ReadSeason(TSeasonReport& report) {
    CountNewTransfers();
    report.year = world_.SeasonYear;
    report.fromRound = fromRound_;
    report.champions.clear();
    report.leagueGames = report.leagueGoals = 0;
    for (int d = 0; d < TDivision::kLeagueCount && d < world_.Divisions.Count(); ++d) {
        const TDivision& division = *world_.Divisions[d];
        report.champions.push_back(TitleOf(division.ClubAt(0)));
        std::int64_t played = 0;
        for (const TTeam* team : division.teams) {
            played += team->season.played;
            report.leagueGoals += team->season.goalsFor;
        }
        report.leagueGames += played / 2;
    }
    const TPlayer* best = nullptr;
    std::int64_t yellow = 0, red = 0, injuries = 0;
    for (const TPlayer* p : world_.AllPlayers) {
        if (best == nullptr || p->season.runningGoals > best->season.runningGoals) best = p;
        yellow += p->career.yellowCards;
        red += p->career.redCards;
        injuries += p->career.injuriesCount;
    }
    report.topScorer = best != nullptr ? best->PlainName() : std::string();
    report.topScorerGoals = best != nullptr ? best->season.runningGoals : 0;
    const TTeam* club = best != nullptr ? world_.TeamByPlayerId(best->id) : nullptr;
    report.topScorerClub = club != nullptr ? club->Name() : std::string();
    report.yellowCards = yellow - yellowAtStart_;
    report.redCards = red - redAtStart_;
    report.injuries = injuries - injuriesAtStart_;
    report.gamesWithCrowd = games_;
    report.attendance = attendance_;
    report.transfers = transfers_;
    report.transferMoney = transferMoney_;
}

void THeadlessPort::ReadAfterEnd(TSeasonReport& report) {
    // The cup winner as the end of season named it, with the coach it had when it won.
    report.cupWinner = TSeasonTitle{};
    if (world_.LastWinnersList.Count() > 0) {
        const TLastWinners& last = *world_.LastWinnersList.Last();
        if (const TTeam* club = world_.TeamById(last.cupWinnerId)) report.cupWinner.club = club->Name();
        if (const TCoach* coach = world_.CoachById(last.cupWinnerCoachId))
            report.cupWinner.coach = coach->Name();
    }
    report.clubMoney = 0;
    for (const TTeam* team : world_.AllTeams) report.clubMoney += team->balance();
}

TSeasonSteps SeasonReportSteps(TSeasonSteps steps, THeadlessPort& port, TSeasonReport& report) {
    auto end = steps.endSeason;
    steps.endSeason = [end, &port, &report](TWorld& world) {
        port.ReadSeason(report);
        end(world);
        port.ReadAfterEnd(report);
    };
    return steps;
}

void WriteSeasonText(std::ostream& out, const TSeasonReport& r) {
    out << "Season " << r.year;
    if (r.fromRound > 1) out << " (counted from round " << r.fromRound << ")";
    out << "\n";
    for (std::size_t d = 0; d < r.champions.size(); ++d)
        out << "  Champion of league " << d + 1 << ": " << TitleText(r.champions[d]) << "\n";
    out << "  Cup winner: " << TitleText(r.cupWinner) << "\n";
    out << "  Top scorer: " << (r.topScorer.empty() ? "-" : Cp1252ToUtf8(r.topScorer)) << " ("
        << Cp1252ToUtf8(r.topScorerClub) << "), " << r.topScorerGoals << " goals\n";
    out << "  Goals per league game: " << Fixed(r.GoalsPerGame(), 2) << " (" << r.leagueGoals << " in "
        << r.leagueGames << " games)\n";
    out << "  Cards: " << r.yellowCards << " yellow, " << r.redCards << " red; injuries: " << r.injuries
        << "\n";
    out << "  Average attendance: " << r.AverageAttendance() << " (" << r.gamesWithCrowd << " games)\n";
    out << "  Transfers: " << r.transfers << " for " << r.transferMoney << "\n";
    out << "  Money of all clubs: " << r.clubMoney << "\n";
    out << "  Time taken: " << Fixed(r.seconds, 3) << " s\n";
}

void WriteSeasonsJson(std::ostream& out, const std::vector<TSeasonReport>& reports) {
    out << "[";
    for (std::size_t i = 0; i < reports.size(); ++i) {
        const TSeasonReport& r = reports[i];
        out << (i == 0 ? "\n" : ",\n") << "  {\"season\": " << r.year << ", \"fromRound\": " << r.fromRound
            << ", \"champions\": [";
        for (std::size_t d = 0; d < r.champions.size(); ++d)
            out << (d == 0 ? "" : ", ") << TitleJson(r.champions[d]);
        out << "], \"cupWinner\": " << TitleJson(r.cupWinner)
            << ",\n   \"topScorer\": {\"player\": " << JsonString(r.topScorer)
            << ", \"club\": " << JsonString(r.topScorerClub) << ", \"goals\": " << r.topScorerGoals
            << "},\n   \"leagueGames\": " << r.leagueGames << ", \"leagueGoals\": " << r.leagueGoals
            << ", \"goalsPerGame\": " << Fixed(r.GoalsPerGame(), 4) << ", \"yellowCards\": " << r.yellowCards
            << ", \"redCards\": " << r.redCards << ", \"injuries\": " << r.injuries
            << ",\n   \"gamesWithCrowd\": " << r.gamesWithCrowd
            << ", \"averageAttendance\": " << r.AverageAttendance() << ", \"transfers\": " << r.transfers
            << ", \"transferMoney\": " << r.transferMoney << ", \"clubMoney\": " << r.clubMoney
            << ", \"seconds\": " << Fixed(r.seconds, 3) << "}";
    }
    out << "\n]\n";
}
