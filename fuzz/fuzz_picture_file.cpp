// The checksum check of a picture: any file under a picture's name gives one of the three answers.
#include "foundation/picture_file.h"
#include "fuzz/fuzz_support.h"

namespace {
void Run(const std::uint8_t* data, std::size_t size) {
    const std::string path = FuzzScratchDir() + "/POR.bmp";
    WriteFuzzFile(path, data, size);
    const int result = CheckPictureFile(path);
    FuzzCheck(result == kPictureValid || result == kPictureBadChecksum || result == kPictureUnreadable,
              "a picture check answer outside 0, 1, 3");
    if (size >= 5) {
        const std::vector<std::uint8_t> body(data, data + size - 4);
        const std::vector<std::uint8_t> fixed = AppendPictureChecksum(path, body);
        WriteFuzzFile(path, fixed.data(), fixed.size());
        FuzzCheck(CheckPictureFile(path) == kPictureValid, "a picture with its checksum added is not valid");
    }
}

std::vector<TFuzzBytes> Seeds(const std::string& dataDir) {
    std::vector<TFuzzBytes> seeds;
    for (const std::string& file : FuzzSeedFiles(dataDir, "Icons", "_small.bmp", 2))
        seeds.push_back(FuzzReadFile(file));
    seeds.push_back(FuzzBytesOf("BMxx\x01\x02\x03\x04"));
    return seeds;
}
} // namespace

KOLBRIN_FUZZ_TARGET("picture_file", Run, Seeds)
