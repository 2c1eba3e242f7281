#include "tools/kolbrin-data/pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {
constexpr int kWidth = 640;
constexpr int kHeight = 480;

// A fixed pseudo-random value in [-1, 1] per pixel, for the grain of grass and crowd; the same on every
// build, so the pictures never change unless their drawing does.
double Grain(int x, int y, std::uint32_t salt) {
    std::uint32_t h =
        static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u ^ salt;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h & 0xFFFF) / 32767.5 - 1.0;
}

TRgb Brighten(TRgb c, double amount) {
    return amount >= 0 ? Mix(c, {255, 255, 255}, amount) : Mix(c, {0, 0, 0}, -amount);
}

// A pitch seen from above: mown stripes and the white markings.
TBmpCanvas Pitch() {
    TBmpCanvas p(kWidth, kHeight);
    const TRgb light = TRgb::FromHex(0x3F8F3A), dark = TRgb::FromHex(0x347A31);
    p.Shade([&](double x, double y, TRgb) {
        const TRgb stripe = static_cast<int>(x / 40) % 2 ? dark : light;
        const double vignette = std::hypot((x - kWidth / 2.0) / kWidth, (y - kHeight / 2.0) / kHeight);
        return Brighten(stripe, Grain(static_cast<int>(x), static_cast<int>(y), 7) * 0.04 - vignette * 0.35);
    });
    const TRgb line{240, 245, 235};
    const double t = 3, l = 40, r = kWidth - 40, top = 40, bottom = kHeight - 40, mid = kHeight / 2.0;
    auto frame = [&](double x0, double y0, double x1, double y1) {
        p.FillRect(x0, y0, x1, y0 + t, line, 0.85);
        p.FillRect(x0, y1 - t, x1, y1, line, 0.85);
        p.FillRect(x0, y0 + t, x0 + t, y1 - t, line, 0.85);
        p.FillRect(x1 - t, y0 + t, x1, y1 - t, line, 0.85);
    };
    frame(l, top, r, bottom);
    p.FillRect(kWidth / 2.0 - t / 2, top + t, kWidth / 2.0 + t / 2, bottom - t, line, 0.85);
    p.FillRing(kWidth / 2.0, mid, 62, 62 - t, line, 0.85);
    p.FillEllipse(kWidth / 2.0, mid, 4, 4, line, 0.85);
    frame(l, mid - 110, l + 100, mid + 110);
    frame(r - 100, mid - 110, r, mid + 110);
    frame(l, mid - 45, l + 36, mid + 45);
    frame(r - 36, mid - 45, r, mid + 45);
    p.FillEllipse(l + 70, mid, 3, 3, line, 0.85);
    p.FillEllipse(r - 70, mid, 3, 3, line, 0.85);
    return p;
}

// The stand opposite under floodlights: night sky, four light towers, the crowd and a strip of pitch.
TBmpCanvas NightGame() {
    TBmpCanvas p(kWidth, kHeight);
    const TRgb skyTop = TRgb::FromHex(0x0B1630), skyLow = TRgb::FromHex(0x2A3A6B);
    const double standTop = 200, standBottom = 360;
    p.Shade([&](double x, double y, TRgb) {
        if (y < standTop) return Mix(skyTop, skyLow, y / standTop);
        if (y < standBottom) {
            // Rows of seats with spectators as specks of colour.
            const int row = static_cast<int>((y - standTop) / 8);
            const TRgb seat = Brighten(TRgb::FromHex(0x3A3F4F), (row % 2) * 0.06);
            const double g = Grain(static_cast<int>(x) / 2, static_cast<int>(y) / 2, 11);
            if (g > 0.7) return Mix(seat, TRgb::FromHex(g > 0.88 ? 0xD8D0C0 : 0xB03A3A), 0.45);
            return seat;
        }
        const TRgb grass = static_cast<int>(x / 48) % 2 ? TRgb::FromHex(0x2F7D35) : TRgb::FromHex(0x39903E);
        return Brighten(grass, -(kHeight - y) / kHeight * 0.3);
    });
    // The roof of the stand.
    p.FillRect(0, standTop - 14, kWidth, standTop, TRgb::FromHex(0x1A1E2A));
    for (double tower : {60.0, 230.0, 410.0, 580.0}) {
        p.FillRect(tower - 3, 60, tower + 3, standTop - 14, TRgb::FromHex(0x202636));
        // The glow fades with the distance from the lamps; then the lamps on their frame.
        p.Shade([=](double x, double y, TRgb old) {
            const double fade = std::max(0.0, 1.0 - std::hypot(x - tower, (y - 52) * 1.2) / 110);
            return Mix(old, TRgb::FromHex(0xFFF4C8), 0.55 * fade * fade);
        });
        p.FillRect(tower - 22, 40, tower + 22, 62, TRgb::FromHex(0x30364A));
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 2; ++j)
                p.FillEllipse(tower - 15 + i * 10, 46 + j * 10, 3.6, 3.6, TRgb::FromHex(0xFFFBE8));
    }
    // The touchline in the light.
    p.FillRect(0, standBottom + 30, kWidth, standBottom + 33, TRgb{235, 240, 230}, 0.7);
    return p;
}

// A summer evening: warm sky over the curve of the stand's roof, shadows over the pitch.
TBmpCanvas Evening() {
    TBmpCanvas p(kWidth, kHeight);
    const TRgb high = TRgb::FromHex(0x3B2A6B), middle = TRgb::FromHex(0xD9637A),
               low = TRgb::FromHex(0xF6B25A);
    const double horizon = 300;
    p.Shade([&](double x, double y, TRgb) {
        if (y < horizon) {
            const double t = y / horizon;
            return t < 0.5 ? Mix(high, middle, t * 2) : Mix(middle, low, (t - 0.5) * 2);
        }
        const TRgb grass = static_cast<int>((x + (y - horizon) * 0.8) / 56) % 2 ? TRgb::FromHex(0x3C7F3A)
                                                                                : TRgb::FromHex(0x458C40);
        return Brighten(grass, Grain(static_cast<int>(x), static_cast<int>(y), 23) * 0.03 -
                                   (y - horizon) / (kHeight - horizon) * 0.25);
    });
    p.FillEllipse(470, 196, 44, 44, TRgb::FromHex(0xFFE3A0), 0.9);
    // The stand: a dark mass with a curved roof line in front of the low sun.
    const TRgb stand = TRgb::FromHex(0x241B33);
    p.Fill([=](double x, double y) { return y > 230 - 40 * std::sin(x / kWidth * 3.14159) && y < horizon; },
           stand);
    p.Fill(
        [=](double x, double y) {
            const double roof = 222 - 40 * std::sin(x / kWidth * 3.14159);
            return y > roof && y < roof + 6;
        },
        TRgb::FromHex(0x4A3D5E));
    // Long evening shadows across the pitch.
    p.Fill([=](double x, double y) { return y >= horizon && y < horizon + 40 + x * 0.05; }, TRgb{0, 0, 0},
           0.25);
    return p;
}
} // namespace

std::vector<TWallpaper> DrawWallpapers() {
    std::vector<TWallpaper> out;
    out.push_back({"evening.bmp", Evening()});
    out.push_back({"nightgame.bmp", NightGame()});
    out.push_back({"pitch.bmp", Pitch()});
    return out;
}
