#include "season/team_folder.h"

#include "datafiles/countries.h"
#include "foundation/binary_file.h"
#include "foundation/errors.h"
#include "foundation/kol_log.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

std::vector<TScannedTeamFile> ScanTeamFolder(const std::string& teamsDir, int version) {
    std::vector<std::string> paths;
    std::error_code ec;
    for (fs::directory_iterator it(teamsDir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        std::string extension = it->path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (extension == ".kbt") paths.push_back(it->path().string());
    }
    std::sort(paths.begin(), paths.end());

    std::vector<TScannedTeamFile> files;
    files.reserve(paths.size());
    for (const std::string& path : paths) {
        Trace(1, "Read %s", path);
        TScannedTeamFile scanned;
        scanned.path = path;
        const std::vector<std::uint8_t> bytes = ReadWholeFile(path);
        try {
            scanned.file = TTeamFile::Read(bytes, version);
        } catch (const EInvalidFile& e) {
            scanned.damage = std::make_exception_ptr(EInvalidFile(path + ": " + e.what()));
        } catch (const EInOutError& e) {
            scanned.damage = std::make_exception_ptr(EInOutError(path + ": " + e.what()));
        }
        if (scanned.damage) {
            // The team record alone decides the country and the level; when even that is damaged the
            // file error ends the set-up here, as the country count would.
            try {
                scanned.file = TTeamFile::ReadTeamOnly(bytes, version);
            } catch (const EInvalidFile& e) {
                throw EInvalidFile(path + ": " + e.what());
            } catch (const EInOutError& e) {
                throw EInOutError(path + ": " + e.what());
            }
        }
        files.push_back(std::move(scanned));
    }
    return files;
}

std::string DescribeTeamFolder(const std::string& teamsDir) {
    std::error_code ec;
    fs::directory_iterator probe(teamsDir, ec);
    return ec ? teamsDir + " (" + ec.message() + ")" : teamsDir;
}

std::vector<TCountry*> CountTeamsByCountry(const std::vector<TScannedTeamFile>& files) {
    std::vector<TCountry*> found;
    for (TCountry* country : AllCountries())
        if (country != nullptr) country->wantedTeams = 0;
    for (const TScannedTeamFile& scanned : files) {
        TCountry* country = FindCountry(kFindByCode, scanned.file.team.Country());
        if (country == nullptr) continue;
        if (++country->wantedTeams == 1) found.push_back(country);
    }
    return found;
}
