#include "tools/kolbrin-data/bmp_writer.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {
constexpr int kSamples = 4; // per axis and pixel

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

std::uint8_t MixChannel(std::uint8_t a, std::uint8_t b, double t) {
    const double v = a + (b - a) * t;
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}
} // namespace

TRgb Mix(TRgb a, TRgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {MixChannel(a.r, b.r, t), MixChannel(a.g, b.g, t), MixChannel(a.b, b.b, t)};
}

TBmpCanvas::TBmpCanvas(int width, int height, TRgb background) : width_(width), height_(height) {
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096)
        throw std::invalid_argument("picture size out of range");
    pixels_.assign(static_cast<std::size_t>(width) * height, background);
}

void TBmpCanvas::SetPixel(int x, int y, TRgb colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y) * width_ + x] = colour;
}

void TBmpCanvas::Fill(const std::function<bool(double, double)>& inside, TRgb colour, double opacity) {
    FillWithin(0, 0, width_, height_, inside, colour, opacity);
}

void TBmpCanvas::FillWithin(double left, double top, double right, double bottom,
                            const std::function<bool(double, double)>& inside, TRgb colour, double opacity) {
    const int x0 = std::max(0, static_cast<int>(std::floor(left)));
    const int y0 = std::max(0, static_cast<int>(std::floor(top)));
    const int x1 = std::min(width_, static_cast<int>(std::ceil(right)));
    const int y1 = std::min(height_, static_cast<int>(std::ceil(bottom)));
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    if (inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) ++hits;
            if (hits == 0) continue;
            const double cover = opacity * hits / (kSamples * kSamples);
            TRgb& p = pixels_[static_cast<std::size_t>(y) * width_ + x];
            p = Mix(p, colour, cover);
        }
}

void TBmpCanvas::FillRect(double left, double top, double right, double bottom, TRgb colour, double opacity) {
    FillWithin(
        left, top, right, bottom,
        [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; }, colour,
        opacity);
}

void TBmpCanvas::FillEllipse(double cx, double cy, double rx, double ry, TRgb colour, double opacity) {
    FillWithin(
        cx - rx, cy - ry, cx + rx, cy + ry,
        [=](double x, double y) {
            const double dx = (x - cx) / rx, dy = (y - cy) / ry;
            return dx * dx + dy * dy <= 1.0;
        },
        colour, opacity);
}

void TBmpCanvas::FillRing(double cx, double cy, double outer, double inner, TRgb colour, double opacity) {
    FillWithin(
        cx - outer, cy - outer, cx + outer, cy + outer,
        [=](double x, double y) {
            const double d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            return d2 <= outer * outer && d2 >= inner * inner;
        },
        colour, opacity);
}

void TBmpCanvas::FillTriangle(double x1, double y1, double x2, double y2, double x3, double y3, TRgb colour,
                              double opacity) {
    FillWithin(
        std::min({x1, x2, x3}), std::min({y1, y2, y3}), std::max({x1, x2, x3}), std::max({y1, y2, y3}),
        [=](double x, double y) {
            const double d1 = (x - x2) * (y1 - y2) - (x1 - x2) * (y - y2);
            const double d2 = (x - x3) * (y2 - y3) - (x2 - x3) * (y - y3);
            const double d3 = (x - x1) * (y3 - y1) - (x3 - x1) * (y - y1);
            const bool negative = d1 < 0 || d2 < 0 || d3 < 0;
            const bool positive = d1 > 0 || d2 > 0 || d3 > 0;
            return !(negative && positive);
        },
        colour, opacity);
}

void TBmpCanvas::Shade(const std::function<TRgb(double, double, TRgb)>& shade) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            TRgb& p = pixels_[static_cast<std::size_t>(y) * width_ + x];
            p = shade(x + 0.5, y + 0.5, p);
        }
}

std::vector<std::uint8_t> TBmpCanvas::BmpBytes(std::uint32_t trailerSize) const {
    const std::uint32_t rowSize = (static_cast<std::uint32_t>(width_) * 3 + 3) & ~3u;
    const std::uint32_t imageSize = rowSize * static_cast<std::uint32_t>(height_);
    constexpr std::uint32_t kHeaderSize = 14 + 40;
    std::vector<std::uint8_t> out;
    out.reserve(kHeaderSize + imageSize);
    // File header.
    out.push_back('B');
    out.push_back('M');
    PutU32(out, kHeaderSize + imageSize + trailerSize);
    PutU32(out, 0);
    PutU32(out, kHeaderSize);
    // Information header: positive height = rows stored bottom-up.
    PutU32(out, 40);
    PutU32(out, static_cast<std::uint32_t>(width_));
    PutU32(out, static_cast<std::uint32_t>(height_));
    PutU16(out, 1);  // planes
    PutU16(out, 24); // bits per pixel
    PutU32(out, 0);  // no compression
    PutU32(out, imageSize);
    PutU32(out, 2835); // 72 dots per inch
    PutU32(out, 2835);
    PutU32(out, 0);
    PutU32(out, 0);
    for (int y = height_ - 1; y >= 0; --y) {
        for (int x = 0; x < width_; ++x) {
            const TRgb p = Pixel(x, y);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(width_) * 3; pad < rowSize; ++pad)
            out.push_back(0);
    }
    return out;
}
