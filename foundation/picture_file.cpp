#include "foundation/picture_file.h"

#include "foundation/encoding.h"
#include "foundation/file_io.h"

#include <exception>

namespace {
constexpr std::size_t kBlockSize = 2048;

std::string_view NamePart(std::string_view path) {
    const std::size_t cut = path.find_last_of("\\/");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::uint32_t NameSum(std::string_view fileName) {
    std::uint32_t sum = 0;
    const std::string upper = UpperCp1252(NamePart(fileName));
    for (std::size_t i = 0; i < upper.size(); ++i) {
        const std::uint32_t k = static_cast<std::uint32_t>(i + 1);
        sum += (k % 5 + 1) * static_cast<std::uint8_t>(upper[i]);
    }
    return sum;
}

// The weight restarts with every 2048-byte block: the byte at file position 2049 is the first of its block.
std::uint32_t ContentSum(const std::uint8_t* bytes, std::size_t count) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t k = static_cast<std::uint32_t>(i % kBlockSize + 1);
        sum += (k % 5 + 1) * bytes[i];
    }
    return sum;
}
} // namespace

std::int32_t PictureChecksum(std::string_view fileName, const std::vector<std::uint8_t>& bytes) {
    return static_cast<std::int32_t>(NameSum(fileName) + ContentSum(bytes.data(), bytes.size()));
}

std::vector<std::uint8_t> AppendPictureChecksum(std::string_view fileName,
                                                const std::vector<std::uint8_t>& bytes) {
    std::vector<std::uint8_t> out(bytes);
    const auto sum = static_cast<std::uint32_t>(PictureChecksum(fileName, bytes));
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(sum >> (8 * i)));
    return out;
}

int CheckPictureFile(const std::string& path) {
    std::vector<std::uint8_t> data;
    try {
        data = ReadWholeFile(path, kMaxPictureFileSize);
    } catch (const std::exception&) {
        // Missing, a folder, a pipe or a device under a picture's name, or far too large.
        return kPictureUnreadable;
    }
    if (data.size() < 5) return kPictureUnreadable;
    const std::size_t body = data.size() - 4;
    std::uint32_t stored = 0;
    for (int i = 0; i < 4; ++i) stored |= static_cast<std::uint32_t>(data[body + i]) << (8 * i);
    const std::uint32_t sum = NameSum(path) + ContentSum(data.data(), body);
    return sum == stored ? kPictureValid : kPictureBadChecksum;
}
