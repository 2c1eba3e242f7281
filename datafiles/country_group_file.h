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
// A group of every country there is takes a few kilobytes; a larger file is refused before it is read.
inline constexpr std::size_t kMaxGroupFileSize = 65536;

struct TCountryGroupFile {
    std::string header;
    std::vector<std::string> entries; // every string after the header, as stored (decoded)
};

// EInvalidFile when the file is larger than kMaxGroupFileSize or an entry is cut short; the header is
// returned as read.
TCountryGroupFile ReadCountryGroupFile(const std::vector<std::uint8_t>& bytes);
// The same, but the header is compared first: a file of another kind is refused (EInvalidFile) before any
// entry is read.
TCountryGroupFile ReadCountryGroupFile(const std::vector<std::uint8_t>& bytes,
                                       const std::string& expectedHeader);
std::vector<std::uint8_t> WriteCountryGroupFile(const std::string& header,
                                                const std::vector<std::string>& entries);
void WriteCountryGroupFilePath(const std::string& path, const std::string& header,
                               const std::vector<std::string>& entries);

enum class TGroupLoadResult { Ok, NotFound, Invalid };
// Fills the group from the file: the first three characters of every entry are a code; codes that the
// global list does not hold are skipped. A missing file (NotFound), or one that is not a regular file, is
// too large, has a wrong header or a cut entry (Invalid), leaves the group empty.
TGroupLoadResult LoadCountryGroup(const std::string& path, const std::string& expectedHeader,
                                  TListOfBosmanCountries& group);
