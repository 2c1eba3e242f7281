#include "world/saved_game.h"

#include "datafiles/countries.h"
#include "datafiles/player_attr.h"
#include "datafiles/team_attr.h"
#include "foundation/binary_file.h"
#include "foundation/file_io.h"
#include "foundation/record_fields.h"
#include "foundation/texts.h"
#include "world/division_record.h"
#include "world/game_record.h"
#include "world/saved_game_records.h"
#include "world/world.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>

namespace {
constexpr int kDescriptionAnd = 276;
constexpr int kSavingTitle = 277;
constexpr int kLoadingTitle = 278;
constexpr std::size_t kNameWidth = 20;
constexpr int kMaxListCount = 32767;

const std::vector<std::string> kSections = {
    "header",    "coaches",     "referees",         "clubs",        "cup clubs",
    "divisions", "round games", "observed players", "last winners", "last transfers"};

using TProgress = std::function<void()>;

// Every failure inside a section becomes one error naming the section and where the reader stood.
template <class Body> void Section(TFieldSource& in, int index, Body body) {
    try {
        body();
    } catch (const ESavedGameError&) {
        throw;
    } catch (const std::exception& e) {
        throw ESavedGameError(kSections[static_cast<std::size_t>(index)], in.Offset(), e.what());
    }
}

template <class T> void CheckUniqueIds(const TKolList<T>& list, const char* what) {
    std::vector<std::int16_t> ids;
    ids.reserve(static_cast<std::size_t>(list.Count()));
    for (const T* item : list)
        if (item) ids.push_back(item->id);
    std::sort(ids.begin(), ids.end());
    const auto twice = std::adjacent_find(ids.begin(), ids.end());
    if (twice != ids.end())
        ThrowInvalidFile(std::string("two ") + what + " with the id " + std::to_string(*twice));
}

// The running career only ever appends to AllPlayers, and every new player takes the next id, so the list
// stands in the order of the ids. The file keeps the players inside their clubs, whose order (and the
// players' clubs) has changed since; so the loaded list is put back in the order of the ids. Rules walk it
// in order (the pending transfers are executed in this order, and each one sets the buyer's asking
// prices): in club order a resumed career would part from the one that went on without the save.
void RestoreCreationOrder(TListOfPlayers& players) {
    players.Pack();
    std::vector<TPlayer*> order(players.begin(), players.end());
    std::sort(order.begin(), order.end(), [](const TPlayer* a, const TPlayer* b) { return a->id < b->id; });
    players.Reorder(std::move(order));
}

void WriteSections(const TWorld& world, TFieldSink& out, const TProgress& progress) {
    out.BeginRecord(kSections[0].c_str());
    WriteHeaderRecord(out, world);
    out.EndRecord();
    progress();
    WriteCountedList(out, kSections[1].c_str(), world.AllCoaches,
                     [](TFieldSink& s, const TCoach& c) { WriteCoachRecord(s, c); });
    WriteCountedList(out, kSections[2].c_str(), world.AllReferees,
                     [](TFieldSink& s, const TReferee& r) { WriteRefereeRecord(s, r); });
    progress();
    WriteCountedList(out, kSections[3].c_str(), world.AllTeams,
                     [&](TFieldSink& s, const TTeam& t) { WriteClubRecord(s, t); });
    progress();
    WriteCountedList(out, kSections[4].c_str(), world.CupTeams, [](TFieldSink& s, const TTeam& t) {
        s.Int("club", TFieldKind::I16, t.id, TFieldMeaning::ClubId);
    });
    out.BeginRecord(kSections[5].c_str());
    WriteDivisions(out, world);
    out.EndRecord();
    out.BeginRecord(kSections[6].c_str());
    WriteRoundGames(out, world);
    out.EndRecord();
    progress();
    out.BeginOpenList(kSections[7].c_str());
    for (const TCoach* coach : world.AllCoaches) {
        if (!coach || coach->observedPlayers.empty()) continue;
        out.BeginItem();
        out.Int("coach", TFieldKind::I16, coach->id, TFieldMeaning::CoachId);
        out.BeginList("players", static_cast<int>(coach->observedPlayers.size()));
        for (const TPlayer* p : coach->observedPlayers) {
            out.BeginItem();
            out.Int("player", TFieldKind::I16, p->id, TFieldMeaning::PlayerId);
            out.EndItem();
        }
        out.EndList();
        out.EndItem();
    }
    out.EndOpenList();
    WriteCountedList(out, kSections[8].c_str(), world.LastWinnersList,
                     [](TFieldSink& s, const TLastWinners& w) { WriteLastWinnersRecord(s, w); });
    WriteCountedList(out, kSections[9].c_str(), world.LastTransfersList,
                     [](TFieldSink& s, const TLastTransfer& t) { WriteLastTransferRecord(s, t); });
    progress();
}

void ReadSections(TWorld& world, TFieldSource& in, const TProgress& progress) {
    std::int16_t nextObjectId = 0;
    Section(in, 0, [&] {
        in.BeginRecord(kSections[0].c_str());
        ReadHeaderRecord(in, world);
        in.EndRecord();
        nextObjectId = world.NextObjectId;
    });
    progress();
    Section(in, 1, [&] {
        ReadCountedList(in, kSections[1].c_str(), kMinCoachRecordSize, kMaxListCount,
                        [&](TFieldSource& s) { world.AllCoaches.Add(ReadCoachRecord(s, world).release()); });
        CheckUniqueIds(world.AllCoaches, "coaches");
    });
    Section(in, 2, [&] {
        ReadCountedList(in, kSections[2].c_str(), kMinRefereeRecordSize, kMaxListCount,
                        [&](TFieldSource& s) { world.AllReferees.Add(ReadRefereeRecord(s).release()); });
        CheckUniqueIds(world.AllReferees, "referees");
    });
    progress();
    Section(in, 3, [&] {
        ReadCountedList(in, kSections[3].c_str(), kMinClubRecordSize, kMaxListCount,
                        [&](TFieldSource& s) { world.AllTeams.Add(ReadClubRecord(s, world).release()); });
        CheckUniqueIds(world.AllTeams, "clubs");
        CheckUniqueIds(world.AllPlayers, "players");
        RestoreCreationOrder(world.AllPlayers);
        if (world.ResumeTeam != 0 && !world.TeamById(world.ResumeTeam))
            ThrowInvalidFile("the club screen to resume, " + std::to_string(world.ResumeTeam) +
                             ", names no club");
    });
    progress();
    Section(in, 4, [&] {
        ReadCountedList(in, kSections[4].c_str(), 2, kMaxListCount, [&](TFieldSource& s) {
            const std::int64_t id = s.Int("club", TFieldKind::I16);
            TTeam* team = world.TeamById(static_cast<std::int16_t>(id));
            if (!team) ThrowInvalidFile("cup club " + std::to_string(id) + " names nothing");
            world.CupTeams.Add(team);
        });
    });
    Section(in, 5, [&] {
        in.BeginRecord(kSections[5].c_str());
        ReadDivisions(in, world);
        in.EndRecord();
        // The rules reach the four leagues and the pool by index.
        if (world.Divisions.Count() != 5)
            ThrowInvalidFile(std::to_string(world.Divisions.Count()) + " divisions instead of 5");
    });
    Section(in, 6, [&] {
        in.BeginRecord(kSections[6].c_str());
        ReadRoundGames(in, world);
        in.EndRecord();
    });
    progress();
    Section(in, 7, [&] {
        in.BeginOpenList(kSections[7].c_str());
        while (in.MoreItems()) {
            in.BeginItem();
            const std::int64_t coachId = in.Int("coach", TFieldKind::I16);
            TCoach* coach = world.CoachById(static_cast<std::int16_t>(coachId));
            if (!coach) ThrowInvalidFile("observing coach " + std::to_string(coachId) + " names nothing");
            ReadCountedList(in, "players", 2, kMaxListCount, [&](TFieldSource& s) {
                const std::int64_t id = s.Int("player", TFieldKind::I16);
                TPlayer* player = world.PlayerById(static_cast<std::int16_t>(id));
                if (!player) ThrowInvalidFile("observed player " + std::to_string(id) + " names nothing");
                coach->observedPlayers.push_back(player);
            });
            in.EndItem();
        }
        in.EndList();
    });
    Section(in, 8, [&] {
        ReadCountedList(in, kSections[8].c_str(), kLastWinnersRecordSize, kMaxListCount,
                        [&](TFieldSource& s) {
                            auto* winners = new TLastWinners(world);
                            world.LastWinnersList.Add(winners);
                            ReadLastWinnersRecord(s, *winners);
                        });
    });
    Section(in, 9, [&] {
        ReadCountedList(in, kSections[9].c_str(), kLastTransferRecordSize, kMaxListCount,
                        [&](TFieldSource& s) {
                            auto* transfer = new TLastTransfer(world);
                            world.LastTransfersList.Add(transfer);
                            ReadLastTransferRecord(s, *transfer);
                        });
    });
    progress();
    // The clubs were created with ids of their own from the counter; the file's counter goes on.
    world.NextObjectId = nextObjectId;
}

// The countries of the clubs and of every player of another nationality than his club's are the ones the
// career uses; the others are dropped.
void RegisterCountries(const TWorld& world) {
    for (const TTeam* team : world.AllTeams) {
        if (!team) continue;
        MarkCountryUsed(team->attr->Country());
        for (const TPlayer* p : team->players)
            if (p && p->attr->Nationality() != team->attr->Country()) MarkCountryUsed(p->attr->Nationality());
    }
    DropUnusedCountries();
}
} // namespace

ESavedGameError::ESavedGameError(const std::string& section, std::size_t offset, const std::string& reason)
    : EInvalidFile("damaged game file, section " + section + " at offset " + std::to_string(offset) + ": " +
                   reason),
      section_(section), offset_(offset) {}

const std::vector<std::string>& SavedGameSections() {
    return kSections;
}

std::string SavedGameDescription(const TWorld& world, const std::tm& when) {
    std::vector<std::string> names;
    for (const TCoach* coach : world.AllCoaches)
        if (coach && coach->isHuman) names.push_back(CutToWidth(coach->Name(), kNameWidth));
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += i + 1 == names.size() ? " " + GetText(kDescriptionAnd) + " " : ", ";
        text += names[i];
    }
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%02d-%02d-%04d %02d:%02d", when.tm_mday, when.tm_mon + 1,
                  when.tm_year + 1900, when.tm_hour, when.tm_min);
    return text + '\r' + stamp;
}

namespace {
// Room for the whole file at once: a club record with its calendar and history takes about 600 bytes, a
// player 100.
std::size_t RoomForGameFile(const TWorld& world) {
    return 4096 + static_cast<std::size_t>(world.AllTeams.Count()) * 1024 +
           static_cast<std::size_t>(world.AllPlayers.Count()) * 128;
}
} // namespace

void TWorld::WriteGame(TFieldSink& out) const {
    WriteSections(*this, out, [] {});
}

std::vector<std::uint8_t> TWorld::SaveGameBytes() const {
    TBinaryWriter writer;
    writer.Reserve(RoomForGameFile(*this));
    TBinaryFieldSink sink(writer);
    WriteSections(*this, sink, [] {});
    return writer.Data();
}

bool TWorld::SaveGame(const std::string& path) {
    const std::string oldDescription = Description;
    try {
        const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
        std::tm local{};
        localtime_r(&now, &local);
        Description = SavedGameDescription(*this, local);
        // The progress runs over the size of the file this save writes. The file that is there (none at
        // the first save, a smaller one from an earlier season) does not tell it, so the sections are
        // measured first: they are written to memory, which takes a moment against the disk.
        const std::size_t size = SaveGameBytes().size();
        Port().ProgressStart(GetText(kSavingTitle), static_cast<int>(std::min<std::size_t>(size, 1u << 30)));
        TBinaryWriter writer;
        writer.Reserve(RoomForGameFile(*this));
        TBinaryFieldSink sink(writer);
        WriteSections(*this, sink, [&] { Port().ProgressPosition(static_cast<int>(writer.Size()), ""); });
        WriteWholeFile(path, writer.Data());
    } catch (const std::exception& e) {
        Description = oldDescription;
        Port().ProgressDone();
        Port().MessageBox(path + ": " + e.what(), GetText(kSavingTitle));
        return false;
    }
    Port().ProgressDone();
    SavedThisRound = true;
    ResumeTeam = 0;
    return true;
}

std::unique_ptr<TWorld> TWorld::LoadGameFrom(TFieldSource& in, std::size_t size, TUserPort* port) {
    auto world = std::make_unique<TWorld>();
    if (port) world->SetPort(*port);
    TUserPort& shown = world->Port();
    shown.ProgressStart(GetText(kLoadingTitle), static_cast<int>(std::min<std::size_t>(size, 1u << 30)));
    try {
        ReadSections(*world, in, [&] { shown.ProgressPosition(static_cast<int>(in.Offset()), ""); });
    } catch (...) {
        shown.ProgressDone();
        throw;
    }
    shown.ProgressDone();
    RegisterCountries(*world);
    return world;
}

std::unique_ptr<TWorld> TWorld::LoadGameBytes(std::vector<std::uint8_t> bytes, TUserPort* port) {
    const std::size_t size = bytes.size();
    TBinaryReader reader(std::move(bytes));
    TBinaryFieldSource source(reader);
    auto world = LoadGameFrom(source, size, port);
    if (!reader.AtEnd())
        throw ESavedGameError(kSections.back(), reader.Position(),
                              std::to_string(size - reader.Position()) + " bytes after the last section");
    return world;
}

std::unique_ptr<TWorld> TWorld::LoadGame(const std::string& path, TUserPort* port) {
    std::vector<std::uint8_t> bytes;
    try {
        // The size is checked before a byte is read: a runaway file costs neither the time nor the memory.
        bytes = ReadWholeFile(path, kMaxSavedGameSize);
    } catch (const std::exception& e) {
        throw ESavedGameError(kSections.front(), 0, e.what());
    }
    return LoadGameBytes(std::move(bytes), port);
}
