// The referee file: the game's loading never lets an exception out, the editor's reading reports a damaged
// file as one, and what was read is written as a file that reads back with every referee.
#include "datafiles/referee_file.h"
#include "fuzz/fuzz_support.h"

namespace {
void Run(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    ExpectOnlyCoreErrors([&] {
        const std::vector<TRefereeAttr> referees = ReadRefereeFile(bytes);
        for (const TRefereeAttr& r : referees)
            FuzzCheck(!r.Country().empty() && r.Country().size() <= TRefereeAttr::kCodeWidth &&
                          r.Name().size() <= TRefereeAttr::kNameWidth,
                      "a referee text outside its field");
        // What was read is written as a file that reads back with every referee, and a referee with a
        // three-character code comes back as he was. (A code shorter than that cannot be stored as read: the
        // blank after it becomes part of the code, which then grows by a blank with each save up to three
        // characters. Only a damaged file holds such a code.)
        const std::vector<std::uint8_t> written = WriteRefereeFile(referees);
        try {
            const std::vector<TRefereeAttr> again = ReadRefereeFile(written);
            FuzzCheck(again.size() == referees.size(), "a written referee file loses referees");
            for (std::size_t i = 0; i < again.size(); ++i)
                if (referees[i].Country().size() == TRefereeAttr::kCodeWidth)
                    FuzzCheck(again[i].Country() == referees[i].Country() &&
                                  again[i].Name() == referees[i].Name(),
                              "a referee changes when his file is written and read back");
        } catch (const EInvalidFile& e) {
            FuzzCheck(false, std::string("a written referee file does not read back: ") + e.what());
        }
    });

    const std::string path = FuzzScratchDir() + "/referee.txe";
    WriteFuzzFile(path, data, size);
    bool dataError = false;
    const std::vector<TRefereeAttr> loaded = LoadRefereeFile(path, dataError);
    FuzzCheck(!dataError || loaded.empty(), "a damaged referee file leaves referees behind");
}

std::vector<TFuzzBytes> Seeds(const std::string& dataDir) {
    return {FuzzReadFile(dataDir + "/referee.txe")};
}
} // namespace

KOLBRIN_FUZZ_TARGET("referee_file", Run, Seeds)
