#include "assets/palette.h"
#include "assets/pictures.h"

#include <array>
#include <string_view>

#include "state/cell_codes.h"

namespace krivol::assets {
namespace {

using Tile = std::array<std::string_view, kCellSize>;

constexpr int kTileSize = kCellSize;

constexpr Tile kFloor{
    "............",
    "............",
    "...s.....s..",
    "......s.....",
    "............",
    "s...s.......",
    ".......s....",
    "...s........",
    ".........s..",
    "............",
    ".s...s....s.",
    "............",
};

constexpr Tile kDot{
    "LLLLLLLLLLLL",
    "LLLLLLLLLLLL",
    "LbLLLLLLbLLL",
    "LLLLbLLLLLbL",
    "LLLLLLLLLLLL",
    "LLLLLLLLLLLL",
    "LLbLLLbLLbLL",
    "LLLLLLLLLLLL",
    "LLLLLLLLLLLb",
    "LbLLLLbLLLLL",
    "LLLLbLLLLbLL",
    "LLLLLLLLLLLL",
};

// The figure stands on the dot tile, dots included.
constexpr Tile kBonus{
    "LLLLLLLLLLLL",
    "LLLLLMLLLLLL",
    "LbLLLMLLbLLL",
    "LLLLMMMLLLbL",
    "MMMMMMMMMMMM",
    "LMMMMpMMMMML",
    "LLMMpppMMMLL",
    "LLLMpppMLLLL",
    "LLLMMMMMLLLb",
    "LbLMMMMMLLLL",
    "LLMMbLLMMbLL",
    "LLMLLLLLMLLL",
};

constexpr Tile kTrap{
    ".....GG.....",
    "..GGGGGGGG..",
    ".GGGGDDGGGG.",
    ".GGDDDDDDGG.",
    ".GGDDDDDDGG.",
    "GGDDDDDDDDGG",
    "GGDDDDDDDDGG",
    ".GGDDDDDDGG.",
    ".GGDDDDDDGG.",
    ".GGGGDDGGGG.",
    "..GGGGGGGG..",
    ".....GG.....",
};

constexpr Tile kAmmo{
    "LLLLLLLLLLLL",
    "LLLLLLLLLLLL",
    "LNNNNNNNNNNL",
    "LN...gg...NL",
    "LN..gggg..NL",
    "LN..gggg..NL",
    "LN...gg...NL",
    "LNgg....ggNL",
    "Lgggg..ggggL",
    "Lgggg..ggggL",
    "LNggNNNNggNL",
    "LLLLLLLLLLLL",
};

constexpr Tile kProtection{
    "LLLLLooLLLLL",
    "LLoooYYoooLL",
    "LoYYYYYYYYoL",
    "LoYYyyyyYYoL",
    "LoYyy..yyYoL",
    "oYYy....yYYo",
    "oYyy....yYYo",
    "LoYyy..yyYoL",
    "LoYyyyyyyYoL",
    "LoYYyyyyYYoL",
    "LLoooYYoooLL",
    "LLLLLooLLLLL",
};

// No cell code selects this one or the two plain ones below; they only fill the strip.
constexpr Tile kFramed{
    "XXXXXXXXXXXX",
    "X..........X",
    "X..........X",
    "X..........X",
    "X..........X",
    "X..........X",
    "X..........X",
    "X..........X",
    "X..........X",
    "X..........X",
    "X..........X",
    "XXXXXXXXXXXX",
};

constexpr Tile kWall{
    "XXXXXXXXXXXX",
    "XTTTTTTTTTTX",
    "XTNTTNTTNTNX",
    "XTTTTTTNTTTX",
    "XTTTNTTNTNTX",
    "XTTTTTTTTTTX",
    "XXXXXXXXXXXX",
    "TTTTTXTTTTTT",
    "TTTNTXTNTTTN",
    "TNTTTXTTNTTT",
    "TNTTNXTTTTTN",
    "XXXXXXXXXXXX",
};

constexpr Tile kPlain{
    "............",
    "............",
    "............",
    "............",
    "............",
    "............",
    "............",
    "............",
    "............",
    "............",
    "............",
    "............",
};

// Top to bottom: the tile at strip offset 12 * k is entry k.
constexpr std::array<const Tile*, 10> kStrip{
    &kFloor, &kDot, &kBonus, &kTrap, &kAmmo, &kProtection, &kFramed, &kWall, &kPlain, &kPlain,
};

}  // namespace

QImage tileStrip()
{
    QImage strip(kTileSize, kTileSize * static_cast<int>(kStrip.size()), QImage::Format_RGB32);
    for (std::size_t k = 0; k < kStrip.size(); ++k) {
        if (!paintGrid(strip, kTileSize * static_cast<int>(k), *kStrip[k]))
            return {};
    }
    return strip;
}

}  // namespace krivol::assets
