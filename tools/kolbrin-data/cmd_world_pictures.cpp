// Data step of the shipped pictures: flags/<CODE>.bmp for every country, the referee's faces and their
// small versions in Icons/, the wallpapers; each written with its checksum trailer so that the programs
// accept it.
#include "foundation/binary_file.h"
#include "foundation/picture_file.h"
#include "tools/kolbrin-data/commands.h"
#include "tools/kolbrin-data/pictures.h"
#include "tools/kolbrin-data/world_sources.h"

#include <filesystem>
#include <set>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kChecksumSize = 4;

void WritePicture(const fs::path& folder, const std::string& fileName, const TBmpCanvas& picture) {
    fs::create_directories(folder);
    WriteWholeFile((folder / fileName).string(),
                   AppendPictureChecksum(fileName, picture.BmpBytes(kChecksumSize)));
}

void BuildPictures(const std::string& outDir, const std::string& sourceDir) {
    const std::string world = WorldSourceDir(sourceDir);
    const TWorldCountries countries = ReadWorldCountries(world + "/countries.txt");
    const std::vector<TWorldFlag> flags = ReadWorldFlags(world + "/flags.txt");
    std::set<std::string> drawn;
    for (const TWorldFlag& flag : flags) {
        if (!countries.Find(flag.code))
            throw std::runtime_error("flags.txt: " + flag.code + " is no country");
        if (!drawn.insert(flag.code).second) throw std::runtime_error("flags.txt: " + flag.code + " twice");
        try {
            WritePicture(fs::path(outDir) / kFlagFolder, flag.code + ".bmp", DrawFlag(flag.drawing));
        } catch (const std::invalid_argument& e) {
            throw std::runtime_error("flags.txt: " + flag.code + ": " + e.what());
        }
    }
    // Every country shows a flag in the pickers, and a language shows its country's.
    for (const TWorldCountry& c : countries.countries)
        if (!drawn.count(c.code)) throw std::runtime_error("flags.txt: no flag for " + c.code);

    const fs::path icons = fs::path(outDir) / kIconFolder;
    for (int mood = 1; mood <= 4; ++mood) {
        const std::string n = std::to_string(mood);
        WritePicture(icons, "happy" + n + ".bmp", DrawFace(mood, kFaceSize));
        WritePicture(icons, "happy" + n + "_small.bmp", DrawFace(mood, kSmallFaceSize));
    }
    for (const TWallpaper& w : DrawWallpapers())
        WritePicture(fs::path(outDir) / kWallpaperFolder, w.fileName, w.picture);
}

const DataStepRegistration kPicturesStep(40, "pictures", BuildPictures);

} // namespace
