// The tagged header in front of a team file: a damaged header is never an error, the file is then read
// from its first byte.
#include "datafiles/file_header.h"
#include "fuzz/fuzz_support.h"

namespace {
void Run(const std::uint8_t* data, std::size_t size) {
    TBinaryReader in(std::vector<std::uint8_t>(data, data + size));
    TFileHeader header;
    const bool ok = header.Read(in);
    if (!ok) {
        FuzzCheck(in.Position() == 0, "a failed header does not leave the reader at the start");
        FuzzCheck(header.FileType() == "ERROR" && header.Description() == "ERROR" && header.Version() == 0,
                  "a failed header is not marked ERROR");
    }
    FuzzCheck(header.FileType().size() <= TFileHeader::kFileTypeWidth &&
                  header.Description().size() <= TFileHeader::kTextWidth &&
                  header.Author().size() <= TFileHeader::kTextWidth &&
                  header.SavedBy().size() <= TFileHeader::kTextWidth,
              "a header text longer than its field");
    header.Created().ToDate();
    header.Saved().ToDate();

    TBinaryWriter out;
    header.Write(out);
    TBinaryReader again(out.Data());
    TFileHeader copy;
    FuzzCheck(copy.Read(again) && again.AtEnd(), "a written header does not read back");
    TBinaryWriter out2;
    copy.Write(out2);
    FuzzCheck(out2.Data() == out.Data(), "a written header does not write back the same bytes");
}

std::vector<TFuzzBytes> Seeds(const std::string& dataDir) {
    std::vector<TFuzzBytes> seeds;
    for (const std::string& file : FuzzSeedFiles(dataDir, "Teams", ".kbt", 20))
        seeds.push_back(FuzzReadFile(file));
    return seeds;
}
} // namespace

KOLBRIN_FUZZ_TARGET("file_header", Run, Seeds)
