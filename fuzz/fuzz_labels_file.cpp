// The labels file read through TLabelsFile and the program-wide text functions: texts asked for in any
// order, captions and hints, the start-up text slots and amounts of money in words built from them.
#include "foundation/money_format.h"
#include "foundation/texts.h"
#include "fuzz/fuzz_support.h"

#include <cstdint>
#include <limits>
#include <map>

namespace {
constexpr int kLastAsked = 200;

void Run(const std::uint8_t* data, std::size_t size) {
    const std::string path = FuzzScratchDir() + "/labels.kbl";
    WriteFuzzFile(path, data, size);

    TLabelsFile file(path);
    // A text read after a rewind must be the one read on the way forward.
    std::map<int, std::string> forward;
    for (int n = -1; n <= kLastAsked; n += (n < 20 ? 1 : 9))
        ExpectOnlyCoreErrors([&] { forward[n] = file.GetText(n); });
    for (int n = kLastAsked; n >= -1; n -= 9) {
        ExpectOnlyCoreErrors([&] {
            const std::string text = file.GetText(n);
            if (const auto it = forward.find(n); it != forward.end())
                FuzzCheck(it->second == text, "text " + std::to_string(n) + " differs after a rewind");
            CaptionOfText(text);
            HintOfText(text);
        });
    }

    ExpectOnlyCoreErrors([&] {
        OpenLabelsFile(path);
        ExpectOnlyCoreErrors([] { FillTextSlots(); });
        for (int n : {1, 2, 3, 189, 191, 197, 9999}) {
            ExpectOnlyCoreErrors([&] { GetCaptionText(n); });
            ExpectOnlyCoreErrors([&] { GetHintText(n); });
            ExpectOnlyCoreErrors([&] { SlotText(n); });
        }
        ExpectOnlyCoreErrors([] { GetTextByNumberString(" +12"); });
        for (std::int64_t amount :
             {std::int64_t{0}, std::int64_t{-1500}, std::int64_t{999999}, std::int64_t{1000000},
              std::int64_t{1500000}, std::int64_t{2500000}, std::numeric_limits<std::int64_t>::min(),
              std::numeric_limits<std::int64_t>::max()})
            ExpectOnlyCoreErrors([&] { FormatMoney(amount, " EUR"); });
    });
    CloseLabelsFile();
}

std::vector<TFuzzBytes> Seeds(const std::string& dataDir) {
    std::vector<TFuzzBytes> seeds;
    for (const char* folder : {"Int/en", "Int/pt"})
        for (const std::string& file : FuzzSeedFiles(dataDir, folder, ".kbl"))
            seeds.push_back(FuzzBytesOf(FuzzFirstLines(FuzzReadFile(file), kLastAsked)));
    return seeds;
}
} // namespace

KOLBRIN_FUZZ_TARGET("labels_file", Run, Seeds)
