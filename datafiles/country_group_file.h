#pragma once
// A country group file ("bosman.txe", "plop.txe" in the folder "CTRGROUP"): a sequence of coded strings,
// each coded twice; the first is the group's header ("Bosman" or "PLOP"), every further one starts with a
// country code.
#include "datafiles/list_of_countries.h"

#include <cstdint>
#include <string>
#include <vector>

inline constexpr const char* kGroupFolder = "CTRGROUP";
inline constexpr const char* kBosmanFileName = "bosman.txe";
inline constexpr const char* kBosmanHeader = "Bosman";
inline constexpr const char* kPlopFileName = "plop.txe";
inline constexpr const char* kPlopHeader = "PLOP";
inline constexpr int kGroupPasses = 2;

struct TCountryGroupFile {
    std::string header;
    std::vector<std::string> entries; // every string after the header, as stored (decoded)
};

// EInvalidFile when an entry is cut short; the header is returned as read (the caller compares it).
TCountryGroupFile ReadCountryGroupFile(const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> WriteCountryGroupFile(const std::string& header,
                                                const std::vector<std::string>& entries);
void WriteCountryGroupFilePath(const std::string& path, const std::string& header,
                               const std::vector<std::string>& entries);

enum class TGroupLoadResult { Ok, NotFound, Invalid };
// Fills the group from the file: the first three characters of every entry are a code; codes that the
// global list does not hold are skipped. A missing file or a wrong header leaves the group empty.
TGroupLoadResult LoadCountryGroup(const std::string& path, const std::string& expectedHeader,
                                  TListOfBosmanCountries& group);
