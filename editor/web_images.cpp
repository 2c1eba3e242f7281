#include "editor/web_images.h"

#include "editor/png_writer.h"

#include <cmath>

namespace {

constexpr std::uint32_t kGreen = 0x006600;

} // namespace

std::vector<std::uint8_t> BallIconPicture() {
    // A white ball with a dark centre patch and five smaller patches around it, on the pages' green.
    constexpr int size = 16;
    std::vector<std::uint32_t> px(size * size, kGreen);
    const double c = (size - 1) / 2.0;
    constexpr double kPi = 3.14159265358979323846;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double dx = x - c, dy = y - c;
            const double r = std::sqrt(dx * dx + dy * dy);
            if (r > 7.3) continue;
            std::uint32_t color = r > 6.6 ? 0x202020 : 0xFFFFFF;
            if (r < 2.2) color = 0x202020;
            for (int k = 0; k < 5; ++k) {
                const double a = -kPi / 2 + k * 2 * kPi / 5;
                const double px5 = c + 5.6 * std::cos(a), py5 = c + 5.6 * std::sin(a);
                if (std::hypot(x - px5, y - py5) < 1.6) color = 0x202020;
            }
            px[y * size + x] = color;
        }
    return EncodePng(size, size, px);
}

std::vector<std::uint8_t> GrassPicture() {
    // Mown stripes of two greens with a little deterministic speckle, tiling seamlessly at 64 x 64.
    constexpr int size = 64;
    std::vector<std::uint32_t> px(size * size);
    std::uint32_t state = 12345;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            state = state * 1103515245u + 12345u;
            const int speckle = static_cast<int>((state >> 16) % 13) - 6;
            const int base = (x / 16) % 2 == 0 ? 0x66 : 0x5A;
            const int g = base + speckle;
            const int r = 0x08 + speckle / 2 + 6;
            px[y * size + x] =
                (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) | 0x08;
        }
    return EncodePng(size, size, px);
}
