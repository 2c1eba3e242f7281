// Language discovery over a game folder whose one language has a damaged labels file and country names
// file (the input holds both, split at a marker line), then starting that language.
#include "foundation/languages.h"
#include "foundation/texts.h"
#include "fuzz/fuzz_support.h"

#include <filesystem>

namespace {
constexpr std::string_view kSplit = "\n#kolbrin-fuzz-next-file#\n";

void Run(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> parts = SplitFuzzInput(data, size, kSplit);
    const std::string gameDir = FuzzScratchDir() + "/game";
    // The second part is the country names file; without it the language has none.
    WriteFuzzFile(LabelsFilePath(gameDir, "xx"), parts[0]);
    std::error_code ignored;
    if (parts.size() > 1)
        WriteFuzzFile(CountryNamesFilePath(gameDir, "xx"), parts[1]);
    else
        std::filesystem::remove(CountryNamesFilePath(gameDir, "xx"), ignored);

    for (const TLangAvailable& lang : FindLanguages(gameDir)) {
        FuzzCheck(lang.code.size() <= 2 && lang.name.size() <= 255 && lang.flagFile.size() <= 255,
                  "language entry longer than its fields");
    }
    CountryNamesFileValid(CountryNamesFilePath(gameDir, "xx"), "xx");
    ExpectOnlyCoreErrors([&] { StartLanguage(gameDir, "xx"); });
    CloseLabelsFile();
}

std::vector<TFuzzBytes> Seeds(const std::string& dataDir) {
    std::vector<TFuzzBytes> seeds;
    for (const std::string code : {"en", "pt"}) {
        const std::string folder = dataDir + "/Int/" + code;
        // Discovery reads the first three texts; the names file keeps its code line, as "xx" would.
        std::string labels = FuzzFirstLines(FuzzReadFile(folder + "/KOLB2002_01_" + code + ".kbl"), 4);
        const TFuzzBytes names = FuzzReadFile(folder + "/KOLB2002_02_" + code + ".kbl");
        seeds.push_back(FuzzBytesOf(labels + std::string(kSplit) + std::string(names.begin(), names.end())));
    }
    return seeds;
}
} // namespace

KOLBRIN_FUZZ_TARGET("languages", Run, Seeds)
