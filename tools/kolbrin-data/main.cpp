// kolbrin-data: builds the shipped data folder and inspects the data files.
#include "tools/kolbrin-data/commands.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <map>
#include <stdexcept>

namespace {
struct Command {
    std::string usage;
    CommandFn fn;
};
struct DataStep {
    int order;
    std::string name;
    DataStepFn fn;
};

std::map<std::string, std::vector<Command>>& Commands() {
    static std::map<std::string, std::vector<Command>> commands;
    return commands;
}
std::vector<DataStep>& DataSteps() {
    static std::vector<DataStep> steps;
    return steps;
}

void PrintUsage() {
    std::fprintf(stderr, "usage:\n  kolbrin-data build-data OUTDIR [--source DIR]\n");
    for (const auto& [name, list] : Commands())
        for (const Command& c : list) std::fprintf(stderr, "  kolbrin-data %s\n", c.usage.c_str());
}

int BuildData(const CommandArgs& args) {
    RequireArgs(args, 1, "build-data OUTDIR [--source DIR]");
    const std::string out = args[0];
    std::string source = KOLBRIN_DEFAULT_DATA_SOURCE;
    for (std::size_t i = 1; i + 1 < args.size(); ++i)
        if (args[i] == "--source") source = args[i + 1];
    std::filesystem::create_directories(out);
    std::vector<DataStep> steps = DataSteps();
    std::stable_sort(steps.begin(), steps.end(),
                     [](const DataStep& a, const DataStep& b) { return a.order < b.order; });
    for (const DataStep& step : steps) step.fn(out, source);
    return 0;
}
} // namespace

CommandRegistration::CommandRegistration(const std::string& name, const std::string& usage, CommandFn fn) {
    Commands()[name].push_back({usage, std::move(fn)});
}

DataStepRegistration::DataStepRegistration(int order, const std::string& name, DataStepFn fn) {
    DataSteps().push_back({order, name, std::move(fn)});
}

void RequireArgs(const CommandArgs& args, std::size_t count, const std::string& usage) {
    if (args.size() < count) throw std::runtime_error("usage: kolbrin-data " + usage);
}

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage();
        return 2;
    }
    const std::string name = argv[1];
    const CommandArgs args(argv + 2, argv + argc);
    try {
        if (name == "build-data") return BuildData(args);
        const auto it = Commands().find(name);
        if (it == Commands().end()) {
            PrintUsage();
            return 2;
        }
        // Commands sharing a first word (for example "team dump" and "team check") are one registration
        // that looks at the next word itself.
        return it->second.front().fn(args);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kolbrin-data: %s\n", e.what());
        return 1;
    }
}
