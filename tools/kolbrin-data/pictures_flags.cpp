// The flags: each is a list of layers painted in order over the picture, described in data/world/flags.txt
// (the README there lists the shapes). Positions are fractions of the frame (x of its width from the hoist,
// y of its height from the top); sizes are fractions of the frame's height, so round shapes stay round.
#include "tools/kolbrin-data/pictures.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <optional>
#include <sstream>
#include <stdexcept>

namespace {
constexpr double kPi = 3.14159265358979323846;

struct TPoint {
    double x, y;
};

// The words of one layer: the shape's name first.
std::vector<std::string> Words(const std::string& layer) {
    std::vector<std::string> words;
    std::istringstream in(layer);
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

TRgb ParseColour(const std::string& text) {
    if (text.size() != 7 || text[0] != '#' || !std::all_of(text.begin() + 1, text.end(), [](char c) {
            return std::isxdigit(static_cast<unsigned char>(c));
        }))
        throw std::invalid_argument("colour \"" + text + "\" is not of the form #RRGGBB");
    return TRgb::FromHex(static_cast<std::uint32_t>(std::stoul(text.substr(1), nullptr, 16)));
}

double ParseNumber(const std::string& text) {
    // Plain decimals only ("0.25", "-90"): the same text gives the same value on every system.
    const bool plain = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == '.' || c == '-';
    });
    char* end = nullptr;
    const double v = plain ? std::strtod(text.c_str(), &end) : 0;
    if (!plain || end != text.c_str() + text.size() || !std::isfinite(v) || std::abs(v) > 1000)
        throw std::invalid_argument("\"" + text + "\" is not a number");
    return v;
}

double DistanceToSegment(TPoint p, TPoint a, TPoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// Even-odd rule.
bool InsidePolygon(const std::vector<TPoint>& poly, double x, double y) {
    bool inside = false;
    for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const TPoint a = poly[i], b = poly[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
}

// The corners of a star with `points` points around (cx, cy), the first pointing up and turned by `turn`
// degrees clockwise.
std::vector<TPoint> StarCorners(double cx, double cy, double r, int points, double inner, double turn) {
    std::vector<TPoint> corners;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = (turn - 90 + 180.0 * i / points) * kPi / 180;
        const double radius = i % 2 == 0 ? r : r * inner;
        corners.push_back({cx + radius * std::cos(a), cy + radius * std::sin(a)});
    }
    return corners;
}

class TFlagPainter {
public:
    explicit TFlagPainter(TBmpCanvas& canvas)
        : canvas_(canvas), frame_{0, 0, double(canvas.Width()), double(canvas.Height())} {}

    void Layer(const std::vector<std::string>& w);

private:
    // Frame fractions to pixels.
    double X(double f) const { return frame_[0] + f * (frame_[2] - frame_[0]); }
    double Y(double f) const { return frame_[1] + f * (frame_[3] - frame_[1]); }
    double L(double f) const { return f * (frame_[3] - frame_[1]); }

    // Paints inside the box and the frame (and the clip disc, when one is set for this layer).
    void Paint(double left, double top, double right, double bottom,
               const std::function<bool(double, double)>& in, TRgb colour) {
        const std::array<double, 4> f = frame_;
        const std::optional<std::array<double, 3>> clip = clip_;
        canvas_.FillWithin(
            std::max(left, f[0]), std::max(top, f[1]), std::min(right, f[2]), std::min(bottom, f[3]),
            [&](double x, double y) {
                if (x < f[0] || x >= f[2] || y < f[1] || y >= f[3]) return false;
                if (clip && std::hypot(x - (*clip)[0], y - (*clip)[1]) > (*clip)[2]) return false;
                return in(x, y);
            },
            colour);
    }
    void PaintAll(const std::function<bool(double, double)>& in, TRgb colour) {
        Paint(frame_[0], frame_[1], frame_[2], frame_[3], in, colour);
    }
    void Rect(double x0, double y0, double x1, double y1, TRgb c) {
        Paint(
            x0, y0, x1, y1, [=](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; }, c);
    }
    void Disc(double cx, double cy, double r, TRgb c) {
        Paint(
            cx - r, cy - r, cx + r, cy + r,
            [=](double x, double y) { return std::hypot(x - cx, y - cy) <= r; }, c);
    }
    void Band(TPoint a, TPoint b, double t, TRgb c) {
        Paint(
            std::min(a.x, b.x) - t, std::min(a.y, b.y) - t, std::max(a.x, b.x) + t, std::max(a.y, b.y) + t,
            [=](double x, double y) {
                return DistanceToSegment({x, y}, a, b) <= t / 2;
            },
            c);
    }
    void Polygon(const std::vector<TPoint>& poly, TRgb c) {
        double l = 1e9, t = 1e9, r = -1e9, b = -1e9;
        for (const TPoint& p : poly) {
            l = std::min(l, p.x), t = std::min(t, p.y), r = std::max(r, p.x), b = std::max(b, p.y);
        }
        Paint(
            l, t, r, b, [&](double x, double y) { return InsidePolygon(poly, x, y); }, c);
    }
    // A shield of width w and height h (pixels) centred on (cx, cy): straight sides, a round foot.
    static bool InShield(double x, double y, double cx, double cy, double w, double h) {
        const double dx = x - cx, dy = y - cy, half = w / 2, shoulder = h / 2 - half;
        if (std::abs(dx) > half || dy < -h / 2) return false;
        if (dy <= shoulder) return true;
        const double ey = (dy - shoulder) / half, ex = dx / half;
        return ex * ex + ey * ey <= 1;
    }
    void Bands(const std::vector<std::string>& w, bool horizontal);
    void Dragon(TRgb c, double cx, double cy, double s);
    void Trigrams(TRgb c, double cx, double cy, double d, double size);

    TBmpCanvas& canvas_;
    std::array<double, 4> frame_; // left, top, right, bottom in pixels
    std::optional<std::array<double, 3>> clip_;
};

// Bands of colours "#RRGGBB" or "#RRGGBB*weight" (weight 1 when left out), across the frame.
void TFlagPainter::Bands(const std::vector<std::string>& w, bool horizontal) {
    std::vector<std::pair<TRgb, double>> bands;
    double total = 0;
    for (std::size_t i = 1; i < w.size(); ++i) {
        const std::size_t star = w[i].find('*');
        const double weight = star == std::string::npos ? 1 : ParseNumber(w[i].substr(star + 1));
        if (weight <= 0) throw std::invalid_argument("band weight \"" + w[i] + "\" is not above 0");
        bands.emplace_back(ParseColour(w[i].substr(0, star)), weight);
        total += weight;
    }
    if (bands.size() < 2) throw std::invalid_argument(w[0] + " takes at least two colours");
    double at = 0;
    for (const auto& [colour, weight] : bands) {
        const double from = at / total, to = (at + weight) / total;
        if (horizontal)
            Rect(frame_[0], Y(from), frame_[2], Y(to), colour);
        else
            Rect(X(from), frame_[1], X(to), frame_[3], colour);
        at += weight;
    }
}

// A dragon walking towards the hoist, a foreleg raised, a wing up and the tail curled over its back; drawn
// in a box of about 1.4 s wide and s high around (cx, cy).
void TFlagPainter::Dragon(TRgb c, double cx, double cy, double s) {
    auto P = [=](double u, double v) { return TPoint{cx + u * s, cy + v * s}; };
    Paint(
        cx - 0.4 * s, cy - 0.1 * s, cx + 0.4 * s, cy + 0.25 * s,
        [=](double x, double y) {
            const double ex = (x - (cx + 0.05 * s)) / (0.3 * s), ey = (y - (cy + 0.08 * s)) / (0.14 * s);
            return ex * ex + ey * ey <= 1;
        },
        c);
    Band(P(-0.2, 0.04), P(-0.38, -0.2), 0.14 * s, c); // neck
    Disc(P(-0.44, -0.24).x, P(-0.44, -0.24).y, 0.09 * s, c);
    Polygon({P(-0.46, -0.32), P(-0.68, -0.27), P(-0.64, -0.2), P(-0.48, -0.16)}, c); // jaws
    Band(P(-0.64, -0.23), P(-0.74, -0.18), 0.03 * s, c);                             // tongue
    Polygon({P(-0.4, -0.3), P(-0.34, -0.44), P(-0.3, -0.28)}, c);                    // ear
    // The wing, with the points of its ribs.
    Polygon({P(-0.14, 0.02), P(-0.24, -0.3), P(-0.08, -0.2), P(0.0, -0.48), P(0.1, -0.26), P(0.22, -0.44),
             P(0.24, -0.2), P(0.34, -0.3), P(0.3, 0.02)},
            c);
    Band(P(-0.18, 0.14), P(-0.32, 0.22), 0.08 * s, c); // the raised foreleg
    Band(P(-0.32, 0.22), P(-0.38, 0.1), 0.06 * s, c);
    Band(P(-0.08, 0.16), P(-0.1, 0.42), 0.09 * s, c); // the standing legs and their feet
    Band(P(-0.1, 0.42), P(-0.18, 0.42), 0.05 * s, c);
    Band(P(0.2, 0.16), P(0.18, 0.42), 0.09 * s, c);
    Band(P(0.18, 0.42), P(0.1, 0.42), 0.05 * s, c);
    Band(P(0.3, 0.12), P(0.38, 0.4), 0.08 * s, c);
    Band(P(0.38, 0.4), P(0.3, 0.42), 0.05 * s, c);
    Band(P(0.32, 0.06), P(0.54, 0.02), 0.07 * s, c); // the tail, over the back
    Band(P(0.54, 0.02), P(0.58, -0.18), 0.06 * s, c);
    Band(P(0.58, -0.18), P(0.46, -0.24), 0.05 * s, c);
    Polygon({P(0.48, -0.32), P(0.36, -0.26), P(0.48, -0.18)}, c); // its tip
}

// The four black figures of three bars around a disc, on the flag's diagonals: three whole bars at the
// upper hoist, three broken ones at the lower fly, and mixed ones at the other two corners.
void TFlagPainter::Trigrams(TRgb c, double cx, double cy, double d, double size) {
    const double fw = frame_[2] - frame_[0], fh = frame_[3] - frame_[1];
    struct TCorner {
        double sx, sy;
        std::array<bool, 3> broken; // from the centre outwards
    };
    const std::array<TCorner, 4> corners = {{{-1, -1, {false, false, false}},
                                             {1, -1, {true, false, true}},
                                             {-1, 1, {false, true, false}},
                                             {1, 1, {true, true, true}}}};
    const double len = std::hypot(fw, fh);
    for (const TCorner& k : corners) {
        const double ux = k.sx * fw / len, uy = k.sy * fh / len; // towards the corner
        const double px = -uy, py = ux;                          // along the bars
        const double bar = size / 5;
        for (int i = 0; i < 3; ++i) {
            const double r = d + (i - 1) * bar * 1.6;
            const TPoint m{cx + ux * r, cy + uy * r};
            const TPoint a{m.x - px * size / 2, m.y - py * size / 2},
                b{m.x + px * size / 2, m.y + py * size / 2};
            if (!k.broken[i]) {
                Band(a, b, bar, c);
            } else {
                const double gap = size * 0.12;
                Band(a, {m.x - px * gap, m.y - py * gap}, bar, c);
                Band({m.x + px * gap, m.y + py * gap}, b, bar, c);
            }
        }
    }
}

void TFlagPainter::Layer(const std::vector<std::string>& w) {
    const std::string& shape = w[0];
    auto need = [&](std::size_t min, std::size_t max) {
        if (w.size() < min + 1 || w.size() > max + 1)
            throw std::invalid_argument(shape + " takes " + std::to_string(min) +
                                        (max != min ? " to " + std::to_string(max) : std::string()) +
                                        " values, found " + std::to_string(w.size() - 1));
    };
    auto N = [&](std::size_t i) { return ParseNumber(w.at(i)); };
    auto C = [&](std::size_t i) { return ParseColour(w.at(i)); };
    // The clip disc holds for one layer only.
    std::optional<std::array<double, 3>> nextClip;

    if (shape == "frame") {
        need(0, 4);
        if (w.size() == 1) {
            frame_ = {0, 0, double(canvas_.Width()), double(canvas_.Height())};
        } else {
            need(4, 4);
            const double W = canvas_.Width(), H = canvas_.Height();
            frame_ = {N(1) * W, N(2) * H, N(3) * W, N(4) * H};
            if (frame_[2] <= frame_[0] || frame_[3] <= frame_[1])
                throw std::invalid_argument("frame has no area");
        }
        return;
    }
    if (shape == "clip") {
        need(3, 3);
        clip_ = std::array<double, 3>{X(N(1)), Y(N(2)), L(N(3))};
        return;
    }
    if (shape == "field") {
        need(1, 1);
        PaintAll([](double, double) { return true; }, C(1));
    } else if (shape == "hbands" || shape == "vbands") {
        Bands(w, shape == "hbands");
    } else if (shape == "stripes") {
        need(3, 3);
        const double n = N(3);
        if (n < 2 || n > 40 || n != std::floor(n))
            throw std::invalid_argument("stripes takes 2 to 40 stripes");
        const TRgb a = C(1), b = C(2);
        for (int i = 0; i < int(n); ++i) Rect(frame_[0], Y(i / n), frame_[2], Y((i + 1) / n), i % 2 ? b : a);
    } else if (shape == "rect") {
        need(5, 5);
        Rect(X(N(2)), Y(N(3)), X(N(4)), Y(N(5)), C(1));
    } else if (shape == "cross") {
        need(4, 4);
        const double x = X(N(2)), y = Y(N(3)), t = L(N(4)) / 2;
        PaintAll([=](double px, double py) { return std::abs(px - x) <= t || std::abs(py - y) <= t; }, C(1));
    } else if (shape == "greek") {
        need(5, 5);
        const double x = X(N(2)), y = Y(N(3)), arm = L(N(4)), t = L(N(5)) / 2;
        Paint(
            x - arm, y - arm, x + arm, y + arm,
            [=](double px, double py) {
                const double dx = std::abs(px - x), dy = std::abs(py - y);
                return (dx <= t && dy <= arm) || (dy <= t && dx <= arm);
            },
            C(1));
    } else if (shape == "saltire") {
        need(2, 2);
        const double t = L(N(2));
        const TPoint a{frame_[0], frame_[1]}, b{frame_[2], frame_[3]}, c{frame_[0], frame_[3]},
            d{frame_[2], frame_[1]};
        const TRgb colour = C(1);
        PaintAll(
            [=](double x, double y) {
                return DistanceToSegment({x, y}, a, b) <= t / 2 || DistanceToSegment({x, y}, c, d) <= t / 2;
            },
            colour);
    } else if (shape == "triangle") {
        need(7, 7);
        Polygon({{X(N(2)), Y(N(3))}, {X(N(4)), Y(N(5))}, {X(N(6)), Y(N(7))}}, C(1));
    } else if (shape == "diamond") {
        need(5, 5);
        const double x = X(N(2)), y = Y(N(3)), rx = X(N(4)) - X(0), ry = Y(N(5)) - Y(0);
        Polygon({{x - rx, y}, {x, y - ry}, {x + rx, y}, {x, y + ry}}, C(1));
    } else if (shape == "disc") {
        need(4, 4);
        Disc(X(N(2)), Y(N(3)), L(N(4)), C(1));
    } else if (shape == "ring" || shape == "arc") {
        shape == "ring" ? need(5, 5) : need(7, 7);
        const double x = X(N(2)), y = Y(N(3)), outer = L(N(4)), inner = L(N(5));
        const bool whole = shape == "ring";
        const double a0 = whole ? 0 : N(6), a1 = whole ? 360 : N(7);
        Paint(
            x - outer, y - outer, x + outer, y + outer,
            [=](double px, double py) {
                const double d = std::hypot(px - x, py - y);
                if (d > outer || d < inner) return false;
                if (whole) return true;
                // Degrees clockwise from the fly side, as the picture is seen.
                double a = std::atan2(py - y, px - x) * 180 / kPi;
                while (a < a0) a += 360;
                return a <= a1;
            },
            C(1));
    } else if (shape == "star") {
        need(4, 6);
        const int points = w.size() > 5 ? int(N(5)) : 5;
        if (points < 4 || points > 24) throw std::invalid_argument("a star has 4 to 24 points");
        const double inner = points == 5 ? 0.382 : points == 6 ? 0.5 : 0.45;
        Polygon(StarCorners(X(N(2)), Y(N(3)), L(N(4)), points, inner, w.size() > 6 ? N(6) : 0), C(1));
    } else if (shape == "starring") {
        need(6, 6);
        const double x = X(N(2)), y = Y(N(3)), R = L(N(4)), r = L(N(5));
        const int n = int(N(6));
        if (n < 1 || n > 50) throw std::invalid_argument("starring takes 1 to 50 stars");
        for (int i = 0; i < n; ++i) {
            const double a = (-90 + 360.0 * i / n) * kPi / 180;
            Polygon(StarCorners(x + R * std::cos(a), y + R * std::sin(a), r, 5, 0.382, 0), C(1));
        }
    } else if (shape == "crescent") {
        need(6, 6);
        const double x = X(N(2)), y = Y(N(3)), r = L(N(4)), x2 = x + L(N(5)), r2 = L(N(6));
        Paint(
            x - r, y - r, x + r, y + r,
            [=](double px, double py) {
                return std::hypot(px - x, py - y) <= r && std::hypot(px - x2, py - y) > r2;
            },
            C(1));
    } else if (shape == "pentagram") {
        need(5, 5);
        const std::vector<TPoint> p = StarCorners(X(N(2)), Y(N(3)), L(N(4)), 5, 0.382, 0);
        for (int i = 0; i < 5; ++i) Band(p[2 * i], p[(2 * i + 4) % 10], L(N(5)), C(1));
    } else if (shape == "band") {
        need(6, 6);
        Band({X(N(2)), Y(N(3))}, {X(N(4)), Y(N(5))}, L(N(6)), C(1));
    } else if (shape == "shield" || shape == "chequy") {
        const bool checks = shape == "chequy";
        checks ? need(8, 8) : need(5, 5);
        const std::size_t at = checks ? 3 : 2;
        const double x = X(N(at)), y = Y(N(at + 1)), sw = L(N(at + 2)), sh = L(N(at + 3));
        const TRgb a = C(1), b = checks ? C(2) : a;
        const int nx = checks ? int(N(7)) : 1, ny = checks ? int(N(8)) : 1;
        if (nx < 1 || ny < 1 || nx > 20 || ny > 20)
            throw std::invalid_argument("chequy takes 1 to 20 squares");
        for (int pass = 0; pass < 2; ++pass)
            Paint(
                x - sw / 2, y - sh / 2, x + sw / 2, y + sh / 2,
                [=](double px, double py) {
                    if (!InShield(px, py, x, y, sw, sh)) return false;
                    const int i = int(std::floor((px - (x - sw / 2)) / sw * nx));
                    const int j = int(std::floor((py - (y - sh / 2)) / sh * ny));
                    return (i + j) % 2 == pass;
                },
                pass == 0 ? a : b);
    } else if (shape == "sun") {
        need(4, 4);
        const double x = X(N(2)), y = Y(N(3)), r = L(N(4));
        Paint(
            x - r, y - r, x + r, y + r,
            [=](double px, double py) {
                const double d = std::hypot(px - x, py - y);
                const double t = std::atan2(py - y, px - x) / (2 * kPi) * 16 + 16.5;
                const double ray = 1 - 2 * std::abs(t - std::floor(t) - 0.5); // 1 on a ray's middle
                return d <= r * (0.55 + 0.45 * ray);
            },
            C(1));
    } else if (shape == "dots") {
        need(8, 8);
        const double x0 = X(N(2)), y0 = Y(N(3)), x1 = X(N(4)), y1 = Y(N(5)), r = L(N(8));
        const int cols = int(N(6)), rows = int(N(7));
        if (cols < 1 || rows < 1 || cols > 20 || rows > 20) throw std::invalid_argument("dots takes 1 to 20");
        // Rows alternate between `cols` dots and `cols` - 1 set between them.
        for (int j = 0; j < rows; ++j) {
            const bool inner = j % 2 == 1;
            const double cy = y0 + (y1 - y0) * (j + 0.5) / rows;
            for (int i = 0; i < cols - (inner ? 1 : 0); ++i)
                Disc(x0 + (x1 - x0) * (i + (inner ? 1.0 : 0.5)) / cols, cy, r, C(1));
        }
    } else if (shape == "taeguk") {
        need(5, 5);
        const TRgb top = C(1), bottom = C(2);
        const double x = X(N(3)), y = Y(N(4)), r = L(N(5));
        // Turned along the flag's diagonal.
        const double a = std::atan2(frame_[3] - frame_[1], frame_[2] - frame_[0]);
        const double ca = std::cos(a), sa = std::sin(a);
        auto upper = [=](double px, double py) {
            const double u = (px - x) * ca + (py - y) * sa, v = -(px - x) * sa + (py - y) * ca;
            if (std::hypot(u + r / 2, v) <= r / 2) return true;
            if (std::hypot(u - r / 2, v) <= r / 2) return false;
            return v < 0;
        };
        Paint(
            x - r, y - r, x + r, y + r,
            [=](double px, double py) { return std::hypot(px - x, py - y) <= r && upper(px, py); }, top);
        Paint(
            x - r, y - r, x + r, y + r,
            [=](double px, double py) { return std::hypot(px - x, py - y) <= r && !upper(px, py); }, bottom);
    } else if (shape == "trigrams") {
        need(5, 5);
        Trigrams(C(1), X(N(2)), Y(N(3)), L(N(4)), L(N(5)));
    } else if (shape == "dragon") {
        need(4, 4);
        Dragon(C(1), X(N(2)), Y(N(3)), L(N(4)));
    } else {
        throw std::invalid_argument("unknown shape \"" + shape + "\"");
    }
    clip_ = nextClip;
}
} // namespace

TBmpCanvas DrawFlag(const std::string& drawing, int width, int height) {
    TBmpCanvas f(width, height, TRgb{255, 255, 255});
    TFlagPainter painter(f);
    std::size_t start = 0, layers = 0;
    while (start <= drawing.size()) {
        const std::size_t end = std::min(drawing.find(';', start), drawing.size());
        const std::vector<std::string> words = Words(drawing.substr(start, end - start));
        if (!words.empty()) {
            try {
                painter.Layer(words);
            } catch (const std::invalid_argument& e) {
                throw std::invalid_argument("layer " + std::to_string(layers + 1) + " (" + words[0] +
                                            "): " + e.what());
            }
            ++layers;
        }
        start = end + 1;
    }
    if (layers == 0) throw std::invalid_argument("the flag has no layer");
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
