#include "tools/kolbrin-data/pictures.h"

#include <cmath>
#include <stdexcept>

const std::vector<TFlagPattern>& FlagPatterns() {
    static const std::vector<TFlagPattern> patterns = {
        {"vtri", 3},   {"htri", 3}, {"hbi", 2},     {"vbi", 2},     {"cross", 2},  {"disc", 2},
        {"canton", 3}, {"diag", 3}, {"chevron", 3}, {"hstripe", 3}, {"border", 2}, {"quarter", 2},
    };
    return patterns;
}

TBmpCanvas DrawFlag(const std::string& pattern, const std::vector<std::uint32_t>& colours, int width,
                    int height) {
    int expected = -1;
    for (const TFlagPattern& p : FlagPatterns())
        if (pattern == p.name) expected = p.colours;
    if (expected < 0) throw std::invalid_argument("unknown flag pattern \"" + pattern + "\"");
    if (static_cast<int>(colours.size()) != expected)
        throw std::invalid_argument("flag pattern \"" + pattern + "\" takes " + std::to_string(expected) +
                                    " colours");
    std::vector<TRgb> c;
    for (std::uint32_t rgb : colours) c.push_back(TRgb::FromHex(rgb));
    const double w = width, h = height;
    TBmpCanvas f(width, height, c[0]);
    if (pattern == "vtri") {
        f.FillRect(w / 3, 0, 2 * w / 3, h, c[1]);
        f.FillRect(2 * w / 3, 0, w, h, c[2]);
    } else if (pattern == "htri") {
        f.FillRect(0, h / 3, w, 2 * h / 3, c[1]);
        f.FillRect(0, 2 * h / 3, w, h, c[2]);
    } else if (pattern == "hbi") {
        f.FillRect(0, h / 2, w, h, c[1]);
    } else if (pattern == "vbi") {
        f.FillRect(w / 2, 0, w, h, c[1]);
    } else if (pattern == "cross") {
        // The upright stands towards the hoist, as on the northern crosses.
        const double bar = h * 0.2;
        f.FillRect(w * 0.3, 0, w * 0.3 + bar, h, c[1]);
        f.FillRect(0, (h - bar) / 2, w, (h + bar) / 2, c[1]);
    } else if (pattern == "disc") {
        f.FillEllipse(w / 2, h / 2, h * 0.3, h * 0.3, c[1]);
    } else if (pattern == "canton") {
        f.FillRect(0, h / 2, w, h, c[1]);
        f.FillRect(0, 0, w * 0.4, h / 2, c[2]);
    } else if (pattern == "diag") {
        f.FillTriangle(w, 0, w, h, 0, h, c[2]);
        const double band = h * 0.18;
        f.Fill([=](double x, double y) { return std::abs((y - h) * w + x * h) / std::hypot(w, h) < band; },
               c[1]);
    } else if (pattern == "chevron") {
        f.FillRect(0, 0, w, h / 2, c[1]);
        f.FillRect(0, h / 2, w, h, c[2]);
        f.FillTriangle(0, 0, 0, h, w * 0.4, h / 2, c[0]);
    } else if (pattern == "hstripe") {
        const double edge = h * 0.07;
        f.FillRect(0, h * 0.32, w, h * 0.68, c[2]);
        f.FillRect(0, h * 0.32 + edge, w, h * 0.68 - edge, c[1]);
    } else if (pattern == "border") {
        const double frame = h * 0.16;
        f.FillRect(frame, frame, w - frame, h - frame, c[1]);
    } else if (pattern == "quarter") {
        f.FillRect(w / 2, 0, w, h / 2, c[1]);
        f.FillRect(0, h / 2, w / 2, h, c[1]);
    }
    // A thin darker edge keeps a pale flag apart from a white row.
    const TRgb black{0, 0, 0};
    for (int x = 0; x < width; ++x) {
        f.SetPixel(x, 0, Mix(f.Pixel(x, 0), black, 0.3));
        f.SetPixel(x, height - 1, Mix(f.Pixel(x, height - 1), black, 0.3));
    }
    for (int y = 1; y + 1 < height; ++y) {
        f.SetPixel(0, y, Mix(f.Pixel(0, y), black, 0.3));
        f.SetPixel(width - 1, y, Mix(f.Pixel(width - 1, y), black, 0.3));
    }
    return f;
}
