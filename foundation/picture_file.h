#pragma once
// Pictures (flags, faces, icons, wallpapers) carry a 4-byte checksum trailer; a picture is shown only when
// the trailer is right, otherwise it is treated as missing.
//
// The checksum is a 32-bit sum starting at 0: for each character of the file name without its folder,
// upper-cased, at 1-based position k, add ((k mod 5) + 1) x code; then for each byte of the file at 1-based
// position k within its 2048-byte block, add ((k mod 5) + 1) x byte, leaving out the last 4 bytes (the
// trailer, a little-endian signed 32-bit value).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr int kPictureValid = 0;
constexpr int kPictureBadChecksum = 1;
constexpr int kPictureUnreadable = 3; // shorter than 5 bytes, missing or unreadable

// 0 valid, 1 checksum differs, 3 too short or unreadable.
int CheckPictureFile(const std::string& path);

// The checksum of a picture whose contents (without the trailer) are `bytes`, stored under `fileName`
// (a folder part, with "/" or "\", is ignored).
std::int32_t PictureChecksum(std::string_view fileName, const std::vector<std::uint8_t>& bytes);
// `bytes` followed by its checksum trailer, ready to be written as `fileName`.
std::vector<std::uint8_t> AppendPictureChecksum(std::string_view fileName,
                                                const std::vector<std::uint8_t>& bytes);
