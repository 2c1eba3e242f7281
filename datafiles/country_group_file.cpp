#include "datafiles/country_group_file.h"

#include "datafiles/countries.h"
#include "foundation/binary_file.h"
#include "foundation/errors.h"

#include <filesystem>

TCountryGroupFile ReadCountryGroupFile(const std::vector<std::uint8_t>& bytes) {
    TBinaryReader in(bytes);
    TCountryGroupFile file;
    try {
        file.header = in.CodedString(kGroupPasses);
        while (!in.AtEnd()) file.entries.push_back(in.CodedString(kGroupPasses));
    } catch (const EInOutError&) {
        ThrowInvalidFile("country group file: entry " + std::to_string(file.entries.size() + 1) +
                         " is cut short");
    }
    return file;
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
    std::vector<std::uint8_t> bytes;
    try {
        bytes = ReadWholeFile(path);
    } catch (const std::exception&) {
        return TGroupLoadResult::NotFound;
    }
    TCountryGroupFile file;
    try {
        file = ReadCountryGroupFile(bytes);
    } catch (const EInvalidFile&) {
        return TGroupLoadResult::Invalid;
    }
    if (file.header != expectedHeader) return TGroupLoadResult::Invalid;
    for (const std::string& entry : file.entries)
        if (TCountry* c = AllCountries().FindByCode(entry.substr(0, std::min<std::size_t>(entry.size(), 3))))
            group.Add(c);
    return TGroupLoadResult::Ok;
}
