#include "season/resume_seed.h"

#include "foundation/reals.h"
#include "world/world.h"

namespace {

// FNV-1a over the little-endian bytes of each value.
class TDigest {
public:
    void Add(std::int64_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            Byte(static_cast<std::uint8_t>(static_cast<std::uint64_t>(value) >> (8 * i)));
    }
    void Byte(std::uint8_t byte) {
        hash_ ^= byte;
        hash_ *= 16777619u;
    }
    std::uint32_t Value() const { return hash_; }

private:
    std::uint32_t hash_ = 2166136261u;
};

} // namespace

std::uint32_t ResumeSeed(const TWorld& world) {
    TDigest d;
    d.Add(world.SeasonYear, 4);
    d.Add(world.CurrentRound, 2);
    d.Add(world.NextObjectId, 2);
    for (const std::uint8_t byte : LongDoubleToExtended(world.PriceIndex)) d.Byte(byte);
    d.Add(world.LastTransfersList.Count(), 4);
    for (const TTeam* club : world.AllTeams) {
        if (club == nullptr) continue;
        d.Add(club->id, 2);
        d.Add(club->balance(), 4);
        d.Add(club->loan, 4);
        d.Add(club->season.points, 4);
        d.Add(club->season.goalsFor, 4);
        d.Add(club->season.goalsAgainst, 4);
        d.Add(club->squadSize, 1);
        for (const TPlayer* player : club->players) {
            if (player == nullptr) continue;
            d.Add(player->id, 2);
            d.Add(player->StoredLevel(), 2);
            d.Add(player->form, 2);
            d.Add(player->StoredSalary(), 4);
            d.Add(player->matchState.lineupRole, 1);
        }
    }
    return d.Value();
}
