#include "tools/kolbrin-data/pictures.h"

#include <cmath>
#include <stdexcept>

TBmpCanvas DrawFace(int mood, int size) {
    if (mood < 1 || mood > 4) throw std::invalid_argument("a face's mood is 1 to 4");
    // From a broad smile on green to a frown on red; the mouth's bend falls with the mood.
    static const std::uint32_t kSkin[4] = {0x5DBB63, 0xC9D84E, 0xF5A623, 0xE0503F};
    static const double kBend[4] = {0.13, 0.06, 0.0, -0.09};
    const TRgb skin = TRgb::FromHex(kSkin[mood - 1]);
    const TRgb ink{45, 35, 30};
    const TRgb white{255, 255, 255};
    const double s = size;
    TBmpCanvas f(size, size, white);
    f.FillEllipse(s * 0.5, s * 0.5, s * 0.47, s * 0.47, Mix(skin, ink, 0.55));
    f.FillEllipse(s * 0.5, s * 0.5, s * 0.47 - std::max(1.0, s * 0.035), s * 0.47 - std::max(1.0, s * 0.035),
                  skin);
    // Light from the upper left.
    f.FillEllipse(s * 0.38, s * 0.3, s * 0.2, s * 0.12, white, 0.28);
    f.FillEllipse(s * 0.36, s * 0.42, s * 0.055, s * 0.075, ink);
    f.FillEllipse(s * 0.64, s * 0.42, s * 0.055, s * 0.075, ink);
    const double bend = kBend[mood - 1];
    const double half = std::max(0.6, s * 0.035);
    const double base = bend >= 0 ? 0.7 : 0.66;
    f.Fill(
        [=](double x, double y) {
            const double t = (x / s - 0.5) / 0.22;
            if (std::abs(t) > 1) return false;
            return std::abs(y - s * (base - bend * t * t)) <= half;
        },
        ink);
    return f;
}
