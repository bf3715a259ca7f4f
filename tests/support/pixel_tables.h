#pragma once

#include <vector>

#include "platform/runtime/units.h"

// Points where every window system must draw the same colours, checked by
// the pixel tests of each. Glyphs are left out: faces differ between systems.
namespace pixel_tables {

struct Pixel {
    int x = 0;
    int y = 0;
    platform::Color colour = 0;
};

inline constexpr platform::Color kWhite = platform::RGB(255, 255, 255);
inline constexpr platform::Color kBlack = platform::RGB(0, 0, 0);

// The main window.
inline constexpr platform::Color kWindow = platform::RGB(200, 50, 50);
inline constexpr platform::Color kPanel = platform::RGB(240, 28, 36);
inline constexpr platform::Color kFrame = platform::RGB(64, 0, 0);
inline constexpr platform::Color kStatus = platform::RGB(250, 250, 250);

// Welcome: the status strip's frame in front of the opaque status label;
// both panels red inside a one-pixel dark frame drawn within their 169 pixels.
inline const std::vector<Pixel> kWelcome{
    {200, 100, kWindow}, {8, 20, kFrame},     {408, 20, kFrame},  {200, 8, kFrame},
    {200, 40, kFrame},   {9, 20, kStatus},    {409, 20, kWindow}, {8, 120, kFrame},
    {176, 120, kFrame},  {92, 48, kFrame},    {92, 216, kFrame},  {9, 60, kPanel},
    {7, 120, kWindow},   {177, 120, kWindow}, {240, 120, kFrame}, {408, 120, kFrame},
    {324, 48, kFrame},   {324, 216, kFrame},  {241, 60, kPanel},  {239, 120, kWindow}};

// Drawn at twice the resolution, outlines stay one logical pixel wide.
inline const std::vector<Pixel> kWelcomeAtScaleTwo{
    {15, 240, kWindow}, {16, 240, kFrame}, {17, 240, kFrame}, {18, 240, kPanel}};

// The start-up window, 521 x 297 pixels; the vertical band's column is x 32
// to 64, the horizontal band's row y 216 to 248.
inline constexpr platform::Color kBandRed = platform::RGB(240, 28, 36);
inline constexpr platform::Color kCrossingRed = platform::RGB(180, 14, 18);

// The black frame, in front of the bands where they meet the window's edges.
inline const std::vector<Pixel> kStartupFrameWhereTheBandsEnd{
    {48, 0, kBlack}, {520, 232, kBlack}, {0, 232, kBlack}, {48, 296, kBlack}};
// At load the one-pixel band seeds lie under the frame.
inline const std::vector<Pixel> kStartupAtLoad{
    {48, 1, kWhite}, {519, 232, kWhite}, {48, 232, kWhite}};
// At the end the bands cross under the darker square, each with an outline
// of its own red.
inline const std::vector<Pixel> kStartupBandsAndSquare{
    {48, 100, kBandRed},     {300, 232, kBandRed},    {31, 232, kBandRed},     {48, 249, kBandRed},
    {300, 216, kBandRed},    {300, 248, kBandRed},    {32, 100, kBandRed},     {64, 100, kBandRed},
    {48, 232, kCrossingRed}, {32, 216, kCrossingRed}, {64, 248, kCrossingRed}, {65, 100, kWhite}};
// Just outside the logo's square.
inline const std::vector<Pixel> kStartupAroundTheLogo{{79, 32, kWhite}, {201, 152, kWhite}};

}  // namespace pixel_tables
