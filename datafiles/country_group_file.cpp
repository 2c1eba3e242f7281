#include "datafiles/country_group_file.h"

#include "datafiles/countries.h"
#include "foundation/binary_file.h"
#include "foundation/errors.h"

#include <filesystem>

namespace {
TCountryGroupFile ReadGroup(const std::vector<std::uint8_t>& bytes, const std::string* expectedHeader) {
    if (bytes.size() > kMaxGroupFileSize)
        ThrowInvalidFile("country group file: " + std::to_string(bytes.size()) + " bytes, at most " +
                         std::to_string(kMaxGroupFileSize));
    TBinaryReader in(bytes);
    TCountryGroupFile file;
    try {
        file.header = in.CodedString(kGroupPasses);
        if (expectedHeader && file.header != *expectedHeader)
            ThrowInvalidFile("country group file: the first entry is not \"" + *expectedHeader + "\"");
        while (!in.AtEnd()) file.entries.push_back(in.CodedString(kGroupPasses));
    } catch (const EInOutError&) {
        ThrowInvalidFile("country group file: entry " + std::to_string(file.entries.size() + 1) +
                         " is cut short");
    }
    return file;
}
} // namespace

TCountryGroupFile ReadCountryGroupFile(const std::vector<std::uint8_t>& bytes) {
    return ReadGroup(bytes, nullptr);
}

TCountryGroupFile ReadCountryGroupFile(const std::vector<std::uint8_t>& bytes,
                                       const std::string& expectedHeader) {
    return ReadGroup(bytes, &expectedHeader);
}

std::vector<std::uint8_t> WriteCountryGroupFile(const std::string& header,
                                                const std::vector<std::string>& entries) {
    TBinaryWriter out;
    out.CodedString(header, kGroupPasses);
    for (const std::string& e : entries) out.CodedString(e, kGroupPasses);
    return out.Data();
}

void WriteCountryGroupFilePath(const std::string& path, const std::string& header,
                               const std::vector<std::string>& entries) {
    WriteWholeFile(path, WriteCountryGroupFile(header, entries));
}

TGroupLoadResult LoadCountryGroup(const std::string& path, const std::string& expectedHeader,
                                  TListOfBosmanCountries& group) {
    group.Clear();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return TGroupLoadResult::NotFound;
    TCountryGroupFile file;
    try {
        file = ReadCountryGroupFile(ReadWholeFile(path, kMaxGroupFileSize), expectedHeader);
    } catch (const EInvalidFile&) {
        return TGroupLoadResult::Invalid;
    } catch (const EInOutError&) {
        // A folder, a pipe or a device under the file's name, or a file far too large.
        return TGroupLoadResult::Invalid;
    }
    for (const std::string& entry : file.entries)
        if (TCountry* c = AllCountries().FindByCode(entry.substr(0, std::min<std::size_t>(entry.size(), 3))))
            group.Add(c);
    return TGroupLoadResult::Ok;
}
