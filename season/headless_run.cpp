#include "season/headless_run.h"

#include "datafiles/countries.h"
#include "datafiles/country.h"
#include "datafiles/record_fields.h"
#include "foundation/encoding.h"
#include "foundation/kol_random.h"
#include "foundation/languages.h"
#include "foundation/texts.h"
#include "match/substitutions.h"
#include "season/country_selection.h"
#include "season/game_loop.h"
#include "season/new_world.h"
#include "season/resume_seed.h"
#include "season/season_report.h"
#include "world/world.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace {

struct THeadlessOptions {
    std::uint32_t seed = 0;
    bool hasSeed = false;
    int seasons = 1;
    int humans = 0;
    int stopBeforeRound = 0; // 0: play on
    std::vector<std::string> countries;
    std::string gameDir, load, save, report;
    bool help = false;
};

const char* const kHelp =
    "Kolbrin2002 --headless --seed N [--seasons K] [--countries A,B,...] [--humans H] [--data-dir DIR]\n"
    "           [--save FILE] [--report FILE.json] [--stop-before-round R]\n"
    "Kolbrin2002 --headless --load FILE [--seasons K] [--data-dir DIR] [--save FILE] [--report FILE.json]\n"
    "           [--stop-before-round R]\n"
    "\n"
    "Plays K seasons (1 by default) without windows and prints a summary of each; human coaches are played\n"
    "by the autopilot. A new career starts in 2002 from the seed N with the clubs of the countries named\n"
    "(codes or names; all by default) and H human coaches (0 to 6). --save writes the game wherever the\n"
    "rules save it: after a human coach's club screen when the game saves itself, and at the end of every\n"
    "season. --report writes the summaries as JSON.\n"
    "\n"
    "The generator is seeded again, from values the game file keeps, at every point a game can be resumed\n"
    "from: after each club screen of a human coach, at the end of each season, and when a game is loaded.\n"
    "So a loaded game goes on exactly as the career that saved it went on; --load takes no seed.\n"
    "\n"
    "--stop-before-round R (with --save) ends the run at the first club screen of a human coach in round R:\n"
    "the line-up chosen, the game is saved as the game saves itself there, and --load FILE plays on from\n"
    "that screen to the same world as a run that never stopped. It needs a human coach: a career without\n"
    "one can be resumed only from the end of a season, so stop it with --seasons K --save FILE.\n";

// A bad option: its message is the one line the run prints.
class EBadOption : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

long long Number(const std::string& option, const std::string& text, long long low, long long high) {
    std::size_t used = 0;
    long long value = 0;
    try {
        value = std::stoll(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size() || value < low || value > high)
        throw EBadOption(option + " needs a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not \"" + text + "\"");
    return value;
}

std::vector<std::string> SplitList(const std::string& text) {
    std::vector<std::string> parts;
    std::string part;
    for (const char c : text + ",") {
        if (c != ',') {
            part += c;
        } else if (!part.empty()) {
            parts.push_back(part);
            part.clear();
        }
    }
    return parts;
}

THeadlessOptions ParseOptions(const std::vector<std::string>& args, const std::string& defaultGameDir) {
    THeadlessOptions o;
    o.gameDir = defaultGameDir;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool hasValue = false;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
            hasValue = true;
        }
        if (name == "--headless") {
            if (hasValue) throw EBadOption("--headless takes no value");
            continue;
        }
        if (name == "--help") {
            if (hasValue) throw EBadOption("--help takes no value");
            o.help = true;
            continue;
        }
        static const std::vector<std::string> withValue = {"--seed",   "--seasons",  "--countries",
                                                           "--humans", "--data-dir", "--load",
                                                           "--save",   "--report",   "--stop-before-round"};
        if (std::find(withValue.begin(), withValue.end(), name) == withValue.end())
            throw EBadOption("unknown option \"" + args[i] + "\"");
        if (!hasValue) {
            if (i + 1 >= args.size()) throw EBadOption(name + " needs a value");
            value = args[++i];
        }
        if (name == "--seed") {
            o.seed = static_cast<std::uint32_t>(Number(name, value, 0, 4294967295LL));
            o.hasSeed = true;
        } else if (name == "--seasons") {
            o.seasons = static_cast<int>(Number(name, value, 1, 1000));
        } else if (name == "--stop-before-round") {
            o.stopBeforeRound = static_cast<int>(Number(name, value, 1, 18));
        } else if (name == "--humans") {
            o.humans = static_cast<int>(Number(name, value, 0, 6));
        } else if (name == "--countries") {
            o.countries = SplitList(value);
            if (o.countries.empty()) throw EBadOption("--countries needs at least one country");
        } else if (value.empty()) {
            throw EBadOption(name + " needs a value");
        } else if (name == "--data-dir") {
            o.gameDir = value;
        } else if (name == "--load") {
            o.load = value;
        } else if (name == "--save") {
            o.save = value;
        } else {
            o.report = value;
        }
    }
    if (o.help) return o;
    if (o.load.empty() && !o.hasSeed) throw EBadOption("--seed N is required for a new career");
    if (o.stopBeforeRound != 0 && o.save.empty()) throw EBadOption("--stop-before-round needs --save FILE");
    if (!o.load.empty() && (!o.countries.empty() || o.humans != 0 || o.hasSeed))
        throw EBadOption("--seed, --countries and --humans choose a new career and cannot go with --load "
                         "(a loaded game takes its generator from the game file)");
    return o;
}

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// The new career: every country of the team files, or those named; the human coaches enrolled.
std::unique_ptr<TWorld> NewCareer(const THeadlessOptions& o) {
    const std::vector<TScannedTeamFile> files = ScanTeamFolder(o.gameDir + "/Teams", kDataFormat2002);
    TCountrySelection selection(CountTeamsByCountry(files));
    if (o.countries.empty()) {
        selection.SelectAll();
    } else {
        for (const std::string& wanted : o.countries) {
            const std::string key = Upper(Utf8ToCp1252(wanted));
            bool found = false;
            for (std::size_t i = 0; i < selection.Countries().size(); ++i) {
                const TCountry& country = *selection.Countries()[i];
                if (Upper(country.Code()) != key && Upper(country.Name()) != key) continue;
                if (!country.selected) selection.Toggle(static_cast<int>(i));
                found = true;
            }
            if (!found)
                throw EBadOption("no club of the country \"" + wanted + "\" in " + o.gameDir + "/Teams");
        }
    }
    SetRandSeed(o.seed);
    if (!selection.Confirm())
        throw EBadOption("the chosen countries have " + std::to_string(selection.SelectedTeams()) +
                         " clubs; a career needs at least " + std::to_string(TCountrySelection::kMinTeams));
    auto world = std::make_unique<TWorld>();
    TNewWorldSetup setup;
    setup.teamFiles = &files;
    setup.refereeFile = o.gameDir + "/referee.txe";
    setup.seed = o.seed;
    setup.year = 2002;
    BuildNewWorld(*world, setup);
    if (world->QuitRequested) {
        const auto& messages = world->DefaultPort().Messages;
        throw std::runtime_error(messages.empty() ? "the new career could not be built" : messages.back());
    }
    return world;
}

int Run(const THeadlessOptions& o, std::ostream& out) {
    if (!std::filesystem::is_directory(o.gameDir)) throw EBadOption("no game folder " + o.gameDir);
    // The texts and country names of the first language of the folder (English when it is there).
    const std::vector<TLangAvailable> usable = FindLanguages(o.gameDir);
    if (usable.empty()) throw EBadOption("no usable language in " + o.gameDir + "/Int");
    std::string language = usable.front().code;
    for (const TLangAvailable& l : usable)
        if (l.code == "en") language = l.code;
    OpenLabelsFile(LabelsFilePath(o.gameDir, language));
    LoadCountriesOfLanguage(o.gameDir, language, [](const std::string&, const std::string&) {});

    std::unique_ptr<THeadlessPort> port;
    std::unique_ptr<TWorld> world;
    if (o.load.empty()) {
        world = NewCareer(o);
    } else {
        if (!std::filesystem::is_regular_file(o.load)) throw EBadOption("no saved game " + o.load);
        world = TWorld::LoadGame(o.load);
        SetRandSeed(ResumeSeed(*world));
    }
    port = std::make_unique<THeadlessPort>(*world);
    InstallSubstitutionAutopilot(*port);
    world->SetPort(*port);
    if (o.load.empty()) {
        for (int h = 1; h <= o.humans; ++h) port->HumanCoachNames.push_back("Coach " + std::to_string(h));
        EnrolHumanCoaches(*world);
        CreateStartEvents(*world);
    }
    world->GameFilePath = o.save;
    if (o.stopBeforeRound != 0) {
        bool human = false;
        for (const TTeam* club : world->AllTeams) human = human || club->IsHumanRun();
        if (!human)
            throw EBadOption(
                "--stop-before-round needs a human coach: a career without one can be resumed only "
                "from the end of a season (--seasons K --save FILE)");
    }
    // Every club screen of a person: the autopilot's line-up, then the generator seeded from the world (a
    // game saved here resumes at this screen, which keeps the line-up and seeds the same). With
    // --stop-before-round, the first one of round R saves the game as the autosave would and ends the run.
    bool stopped = false, savedAtStop = false;
    TWorld& w = *world;
    port->ClubScreenHook = [&w, &o, &stopped, &savedAtStop](TTeam& club) {
        AutopilotLineup(club);
        SetRandSeed(ResumeSeed(w));
        if (stopped || o.stopBeforeRound == 0 || w.CurrentRound != o.stopBeforeRound) return;
        bool league = true;
        for (const TGame* game : w.RoundGames)
            if (game != nullptr && (game->homeTeam == &club || game->awayTeam == &club)) {
                league = game->kind == gkLeague;
                break;
            }
        w.ResumeTeam = club.id;
        w.LeagueRoundDone = !league;
        stopped = true;
        savedAtStop = w.SaveGame(o.save);
        w.QuitRequested = true;
    };

    TSeasonSteps steps = DefaultSeasonSteps();
    // Without --save the game is written nowhere.
    if (o.save.empty()) steps.saveGame = [](TWorld&) { return true; };
    // The end of a season is saved with no club screen open: a game loaded from there seeds the same.
    steps.endSeason = [endSeason = steps.endSeason](TWorld& career) {
        endSeason(career);
        SetRandSeed(ResumeSeed(career));
    };
    std::vector<TSeasonReport> reports;
    for (int s = 0; s < o.seasons && !world->QuitRequested && !world->StopRequested; ++s) {
        TSeasonReport report;
        port->BeginSeason();
        const auto start = std::chrono::steady_clock::now();
        PlaySeason(*world, SeasonReportSteps(steps, *port, report));
        report.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (stopped) {
            if (!savedAtStop)
                throw std::runtime_error(port->Messages.empty() ? "the game could not be saved to " + o.save
                                                                : port->Messages.back());
            out << "Stopped before round " << o.stopBeforeRound << ": saved to " << o.save << "\n";
            break;
        }
        WriteSeasonText(out, report);
        out.flush();
        reports.push_back(report);
    }
    if (!o.report.empty()) {
        std::ofstream file(o.report, std::ios::binary | std::ios::trunc);
        if (file) WriteSeasonsJson(file, reports);
        if (!file) throw std::runtime_error("the report " + o.report + " could not be written");
    }
    world.reset();
    if (o.stopBeforeRound != 0 && !stopped)
        throw std::runtime_error("no club screen of a human coach came in round " +
                                 std::to_string(o.stopBeforeRound) + " to stop at");
    return 0;
}

} // namespace

bool WantsHeadless(const std::vector<std::string>& args) {
    return std::find(args.begin(), args.end(), std::string("--headless")) != args.end();
}

int RunHeadless(const std::vector<std::string>& args, const std::string& defaultGameDir, std::ostream& out,
                std::ostream& err) {
    try {
        const THeadlessOptions options = ParseOptions(args, defaultGameDir);
        if (options.help) {
            out << kHelp;
            return 0;
        }
        const int result = Run(options, out);
        CloseLabelsFile();
        ResetCountries();
        return result;
    } catch (const std::exception& e) {
        CloseLabelsFile();
        ResetCountries();
        err << "Kolbrin2002 --headless: " << Cp1252ToUtf8(e.what()) << std::endl;
        return 2;
    }
}
