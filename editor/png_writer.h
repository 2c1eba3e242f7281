#pragma once
// A minimal PNG encoder (8-bit RGB, deflate "stored" blocks): enough for the small pictures the web export
// writes, with no library behind it.
#include <cstdint>
#include <vector>

// `pixels` holds width x height values 0x00RRGGBB, row by row from the top.
std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint32_t>& pixels);
// The CRC-32 of the PNG chunks (the zlib polynomial).
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);
