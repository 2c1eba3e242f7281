#pragma once
// What the benchmarks that play matches share: a career world of shipped clubs built anew for every run,
// and a stopwatch of the timed parts.
#include "bench/bench_data.h"
#include "datafiles/referee_file.h"
#include "foundation/kol_random.h"
#include "match/substitutions.h"
#include "tests/world/career_world.h"

#include <cstdint>
#include <ctime>
#include <memory>
#include <vector>

// A career of the clubs of `files` with the shipped referees, the generator seeded with `seed` first. The
// people's choices come from the autopilot, beeps are not recorded and the computer's penalties are not
// shown, so nothing waits and nothing but the rules is measured.
struct TBenchCareer {
    TScriptedUserPort port;
    TWorld world;

    TBenchCareer(const std::vector<TTeamFile>& files, std::uint32_t seed) {
        SetRandSeed(seed);
        port.RecordBeeps = false;
        InstallSubstitutionAutopilot(port);
        world.SetPort(port);
        worldtest::BuildCareerWorld(world, files);
        bool dataError = false;
        for (TRefereeAttr& attr : LoadRefereeFile(BenchDataDir() + "/" + kRefereeFileName, dataError))
            world.AllReferees.Add(new TReferee(world.NewObjectId(), std::make_unique<TRefereeAttr>(attr)));
        world.Options.viewComputerPenalties = false;
    }
};

// Wall and CPU time of the timed parts, added up over the runs (on a busy machine the CPU figure is the
// one to compare).
struct TStopwatch {
    std::int64_t wallNs = 0, cpuNs = 0;
    timespec wall0{}, cpu0{};
    static std::int64_t Ns(const timespec& t) { return t.tv_sec * 1000000000LL + t.tv_nsec; }
    void Start() {
        clock_gettime(CLOCK_MONOTONIC, &wall0);
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu0);
    }
    void Stop() {
        timespec wall1{}, cpu1{};
        clock_gettime(CLOCK_MONOTONIC, &wall1);
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu1);
        wallNs += Ns(wall1) - Ns(wall0);
        cpuNs += Ns(cpu1) - Ns(cpu0);
    }
};
