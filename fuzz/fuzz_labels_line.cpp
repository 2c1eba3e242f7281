// The line coding of the language files: every line of the input is decoded, and every line coded from it
// must decode back to the same text.
#include "foundation/labels_line.h"
#include "fuzz/fuzz_support.h"

namespace {
void Run(const std::uint8_t* data, std::size_t size) {
    for (std::string line : SplitFuzzInput(data, size, "\n")) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        ExpectOnlyCoreErrors([&] { DecodeLabelsLine(line); });
        // A language source may hold any text: its coded line must be safe to store and come back whole.
        const std::string coded = EncodeLabelsLine(line);
        for (char c : coded) FuzzCheck(IsSafeLabelsByte(static_cast<unsigned char>(c)), "unsafe coded byte");
        FuzzCheck(coded.size() >= 3, "coded line too short to be read back");
        FuzzCheck(DecodeLabelsLine(coded) == line, "coded line does not decode to its text");
    }
}

std::vector<TFuzzBytes> Seeds(const std::string& dataDir) {
    std::vector<TFuzzBytes> seeds;
    for (const char* folder : {"Int/en", "Int/pt"})
        for (const std::string& file : FuzzSeedFiles(dataDir, folder, ".kbl")) {
            const TFuzzBytes whole = FuzzReadFile(file);
            seeds.push_back(FuzzBytesOf(FuzzFirstLines(whole, 12)));
        }
    return seeds;
}
} // namespace

KOLBRIN_FUZZ_TARGET("labels_line", Run, Seeds)
