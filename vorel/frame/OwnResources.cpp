#include "frame/OwnResources.h"

namespace NVorel {

namespace {

// 14 x 13, 16 colours: black drawing on white, which the header draws transparent.
constexpr winres::PaletteEntry blackOnWhite[] = {{'.', RGB(255, 255, 255)}, {'#', RGB(0, 0, 0)}};

constexpr const char* diameter1[] = {
    "..............",
    ".........#....",
    "...####.#.....",
    "..#....#......",
    ".#....#.#.....",
    ".#...#..#.....",
    ".#..#...#.....",
    ".#.#....#...#.",
    "..#....#...##.",
    ".#.####.....#.",
    "#...........#.",
    "...........###",
    "..............",
};

constexpr const char* diameter2[] = {
    "..............",
    ".........#....",
    "...####.#.....",
    "..#....#......",
    ".#....#.#.....",
    ".#...#..#.....",
    ".#..#...#.....",
    ".#.#....#..###",
    "..#....#.....#",
    ".#.####....###",
    "#..........#..",
    "...........###",
    "..............",
};

// 13 x 13, 24 bits: a box with a one-pixel frame, with and without a tick.
constexpr const char* ticked[] = {
    "fffffffffffff",
    "fwwwwwwwwwwwf",
    "fwwwwwwwwwwwf",
    "fwwwwwwwwwwwf",
    "fwwwwwwwwkwwf",
    "fwwwwwwwkkwwf",
    "fwwkwwwkkwwwf",
    "fwwkkwkkwwwwf",
    "fwwwkkkwwwwwf",
    "fwwwwkwwwwwwf",
    "fwwwwwwwwwwwf",
    "fwwwwwwwwwwwf",
    "fffffffffffff",
};

constexpr const char* empty[] = {
    "fffffffffffff",
    "fwwwwwwwwwwwf",
    "fwwwwwwwwwwwf",
    "fwwwwwwwwwwwf",
    "fwwwwwwwwwwwf",
    "fwwwwwwwwwwwf",
    "fwwwwwwwwwwwf",
    "fwwwwwwwwwwwf",
    "fwwwwwwwwwwwf",
    "fwwwwwwwwwwwf",
    "fwwwwwwwwwwwf",
    "fwwwwwwwwwwwf",
    "fffffffffffff",
};

constexpr winres::PaletteEntry enabledBox[] = {
    {'f', RGB(64, 64, 64)}, {'w', RGB(255, 255, 255)}, {'k', RGB(0, 0, 0)}};
constexpr winres::PaletteEntry disabledBox[] = {
    {'f', RGB(0, 96, 128)}, {'w', RGB(166, 202, 240)}, {'k', RGB(0, 96, 128)}};

constexpr winres::BitmapResource bitmaps[] = {
    {IDB_DIAMETER_1, 14, 13, 4, blackOnWhite, diameter1},
    {IDB_DIAMETER_2, 14, 13, 4, blackOnWhite, diameter2},
    {IDB_CHECK_ON, 13, 13, 24, enabledBox, ticked},
    {IDB_CHECK_OFF, 13, 13, 24, enabledBox, empty},
    {IDB_CHECK_ON_GRAY, 13, 13, 24, disabledBox, ticked},
    {IDB_CHECK_OFF_GRAY, 13, 13, 24, disabledBox, empty},
};

constexpr winres::ResourceTable table{{}, {}, {}, bitmaps};

} // namespace

const winres::ResourceTable& ownResources() { return table; }

} // namespace NVorel
