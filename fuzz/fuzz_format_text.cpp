// Format with a format string from outside (the language texts hold them): whatever the directives, the
// arguments given are the only ones read. Each input is tried with several argument lists.
#include "foundation/format_text.h"
#include "foundation/labels_line.h"
#include "fuzz/fuzz_support.h"

#include <cmath>
#include <limits>

namespace {
void Run(const std::uint8_t* data, std::size_t size) {
    const std::string_view format(reinterpret_cast<const char*>(data), size);
    const std::vector<std::vector<TFormatArg>> argLists{
        {},
        {"Kolbrin", 3, 2.5L},
        {std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max(), -1, 0},
        {std::numeric_limits<long double>::max(), -std::numeric_limits<long double>::max(),
         std::numeric_limits<long double>::denorm_min(), NAN, INFINITY, -0.0L},
        {std::string(300, 'x'), 255, 256, -255, "", 1e300L},
    };
    for (const auto& args : argLists) Format(format, args);
}

std::vector<TFuzzBytes> Seeds(const std::string& dataDir) {
    // The language texts that hold directives, and a few written for the rarer forms.
    std::vector<TFuzzBytes> seeds{FuzzBytesOf("%s scored %d goals"), FuzzBytesOf("%1:s %0:-8.3d%%"),
                                  FuzzBytesOf("%*.*f|%-*s|%x|%u"), FuzzBytesOf("%.2e %g %n %m %12.4n")};
    for (const std::string& file : FuzzSeedFiles(dataDir, "Int/en", "_01_en.kbl")) {
        const TFuzzBytes whole = FuzzReadFile(file);
        for (std::string line : SplitFuzzInput(whole.data(), whole.size(), "\n")) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.size() < 3 || line == "X") continue;
            try {
                const std::string text = DecodeLabelsLine(line);
                if (text.find('%') != std::string::npos) seeds.push_back(FuzzBytesOf(text));
            } catch (const EInvalidFile&) {}
        }
    }
    return seeds;
}
} // namespace

KOLBRIN_FUZZ_TARGET("format_text", Run, Seeds)
