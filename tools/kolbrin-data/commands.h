#pragma once
// The subcommands of kolbrin-data register themselves here, one file per group of commands
// (labels, team, referees, ...), so that adding a command touches no other file.
#include <functional>
#include <string>
#include <vector>

using CommandArgs = std::vector<std::string>;
// Returns the exit code. Throwing std::exception prints "kolbrin-data: <message>" and exits 1.
using CommandFn = std::function<int(const CommandArgs& args)>;

struct CommandRegistration {
    CommandRegistration(const std::string& name, const std::string& usage, CommandFn fn);
};

// A step of `build-data OUTDIR [--source DIR]`: lays one part of the data folder into `outDir` from the
// readable sources in `sourceDir`. Steps run in ascending `order` (texts first, then countries, groups,
// pictures, referees, teams).
using DataStepFn = std::function<void(const std::string& outDir, const std::string& sourceDir)>;
struct DataStepRegistration {
    DataStepRegistration(int order, const std::string& name, DataStepFn fn);
};

// Throws std::runtime_error("usage: ...") when args has fewer than `count` entries.
void RequireArgs(const CommandArgs& args, std::size_t count, const std::string& usage);
