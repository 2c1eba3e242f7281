#pragma once
// A small drawing surface for the shipped pictures and its 24-bit BMP writer. Shapes are given in pixel
// coordinates with fractions and painted with 4 x 4 samples per pixel, so round and slanted edges come out
// smooth even on the 16-pixel icons.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct TRgb {
    std::uint8_t r = 0, g = 0, b = 0;
    static TRgb FromHex(std::uint32_t rgb) {
        return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                static_cast<std::uint8_t>(rgb)};
    }
    bool operator==(const TRgb&) const = default;
};

// A colour between a and b: t = 0 gives a, t = 1 gives b.
TRgb Mix(TRgb a, TRgb b, double t);

class TBmpCanvas {
public:
    TBmpCanvas(int width, int height, TRgb background = {});

    int Width() const { return width_; }
    int Height() const { return height_; }
    TRgb Pixel(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    void SetPixel(int x, int y, TRgb colour);

    // Paints `colour` over every part of the picture where inside(x, y) holds, (0, 0) being the top left
    // corner of the picture and (width, height) its bottom right corner; partly covered pixels are blended.
    // `opacity` (0..1) lets what is below show through.
    void Fill(const std::function<bool(double x, double y)>& inside, TRgb colour, double opacity = 1.0);
    // The same, looking only at the pixels that the box (left, top, right, bottom) touches.
    void FillWithin(double left, double top, double right, double bottom,
                    const std::function<bool(double x, double y)>& inside, TRgb colour, double opacity = 1.0);
    void FillRect(double left, double top, double right, double bottom, TRgb colour, double opacity = 1.0);
    void FillEllipse(double cx, double cy, double rx, double ry, TRgb colour, double opacity = 1.0);
    // A ring between the radii (inner may be 0).
    void FillRing(double cx, double cy, double outer, double inner, TRgb colour, double opacity = 1.0);
    // A triangle with corners in any order.
    void FillTriangle(double x1, double y1, double x2, double y2, double x3, double y3, TRgb colour,
                      double opacity = 1.0);
    // Every pixel gets the colour that shade(x, y, old) returns (x, y of the pixel's centre).
    void Shade(const std::function<TRgb(double x, double y, TRgb old)>& shade);

    // The picture as a 24-bit uncompressed BMP file (bottom-up rows, each padded to 4 bytes). The size in
    // the file header counts `trailerSize` more bytes, for a trailer the caller appends (the checksum), so
    // that readers comparing it with the file's length find them equal.
    std::vector<std::uint8_t> BmpBytes(std::uint32_t trailerSize = 0) const;

private:
    int width_;
    int height_;
    std::vector<TRgb> pixels_;
};
