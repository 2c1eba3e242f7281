#pragma once
// The pictures the data folder ships, all drawn here: a flag per country, the faces that show how a referee
// leans, their small versions for the league table, and the wallpapers.
#include "tools/kolbrin-data/bmp_writer.h"

#include <string>
#include <vector>

inline constexpr int kFlagWidth = 40; // fits before a country name drawn 44 pixels from the row's edge
inline constexpr int kFlagHeight = 28;
inline constexpr int kFaceSize = 64;
inline constexpr int kSmallFaceSize = 16;
inline constexpr const char* kFlagFolder = "flags";
inline constexpr const char* kIconFolder = "Icons";
inline constexpr const char* kWallpaperFolder = "Wallpapers";

// Draws a flag from its layers, separated by ";" (data/world/README.md lists the shapes); throws
// std::invalid_argument naming the layer for an unknown shape, a wrong number of values or a bad value.
TBmpCanvas DrawFlag(const std::string& drawing, int width = kFlagWidth, int height = kFlagHeight);

// Face 1 is the happiest (the referee clearly favours the club), face 4 the unhappiest.
TBmpCanvas DrawFace(int mood, int size);

struct TWallpaper {
    std::string fileName;
    TBmpCanvas picture;
};
std::vector<TWallpaper> DrawWallpapers();
