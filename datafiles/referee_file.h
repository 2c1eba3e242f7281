#pragma once
// The referee file "referee.txe": a sequence of coded strings, each coded twice. The first is "Referee";
// each further one is a referee entry (TRefereeAttr).
#include "datafiles/referee_attr.h"

#include <cstdint>
#include <string>
#include <vector>

inline constexpr const char* kRefereeFileName = "referee.txe";
inline constexpr const char* kRefereeFileHeader = "Referee";

// Reads the referees; entries with an empty code are skipped. EInvalidFile when the first string is not
// "Referee" or an entry is cut short.
std::vector<TRefereeAttr> ReadRefereeFile(const std::vector<std::uint8_t>& bytes);
std::vector<TRefereeAttr> ReadRefereeFilePath(const std::string& path);

// The whole file as the editor rewrites it: "Referee", then one entry per referee in list order.
std::vector<std::uint8_t> WriteRefereeFile(const std::vector<TRefereeAttr>& referees);
void WriteRefereeFilePath(const std::string& path, const std::vector<TRefereeAttr>& referees);

// The game's loading: a missing file, a wrong first string or a damaged entry give an empty list and set
// dataError (the game's referee-count check then reports it, with `reason` when given: the file and why);
// no exception leaves.
std::vector<TRefereeAttr> LoadRefereeFile(const std::string& path, bool& dataError,
                                          std::string* reason = nullptr);
