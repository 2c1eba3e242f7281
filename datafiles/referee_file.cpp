#include "datafiles/referee_file.h"

#include "foundation/errors.h"
#include "foundation/kol_log.h"

std::vector<TRefereeAttr> ReadRefereeFile(const std::vector<std::uint8_t>& bytes) {
    TBinaryReader in(bytes);
    std::vector<TRefereeAttr> referees;
    try {
        if (in.CodedString(TRefereeAttr::kPasses) != kRefereeFileHeader)
            ThrowInvalidFile("referee file: the first entry is not \"Referee\"");
        while (!in.AtEnd()) {
            TRefereeAttr r;
            r.Read(in);
            if (!r.Country().empty()) referees.push_back(std::move(r));
        }
    } catch (const EInOutError&) {
        ThrowInvalidFile("referee file: entry " + std::to_string(referees.size() + 1) + " is cut short");
    }
    return referees;
}

std::vector<TRefereeAttr> ReadRefereeFilePath(const std::string& path) {
    try {
        return ReadRefereeFile(ReadWholeFile(path, kMaxRecordFileSize));
    } catch (const EInvalidFile& e) {
        throw EInvalidFile(path + ": " + e.what());
    }
}

std::vector<std::uint8_t> WriteRefereeFile(const std::vector<TRefereeAttr>& referees) {
    TBinaryWriter out;
    out.CodedString(kRefereeFileHeader, TRefereeAttr::kPasses);
    for (const TRefereeAttr& r : referees) r.Write(out);
    return out.Data();
}

void WriteRefereeFilePath(const std::string& path, const std::vector<TRefereeAttr>& referees) {
    WriteWholeFile(path, WriteRefereeFile(referees));
}

std::vector<TRefereeAttr> LoadRefereeFile(const std::string& path, bool& dataError, std::string* reason) {
    dataError = false;
    try {
        return ReadRefereeFilePath(path);
    } catch (const std::exception& e) {
        // The trace writes nothing; the flag is what the game's referee-count check reports.
        Trace(1, "Referees file error");
        dataError = true;
        if (reason) *reason = e.what();
        return {};
    }
}
