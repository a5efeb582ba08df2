#include "assets/palette.h"
#include "assets/pictures.h"

#include <array>
#include <string_view>

namespace krivol::assets {
namespace {

// The maze the level preview shows before start-up loads the first level over it.
// X is wall, . is corridor, as in a level picture.
constexpr std::array<std::string_view, 50> kMaze{
    "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX",
    "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX",
    "X.XX..........................X......X...........X",
    "X.XX.XXXXXXXXXXXXX..XXXXXXXXXXXXXX.XXXXXXXXXXXXX.X",
    "X.XX.....X......X............X.......X...........X",
    "X.XXX.XXXXXXX.XXX.XXXXXXXXXXXXXXX.XXXXXXXXXXXX.XXX",
    "X.XX....X.......X............................X.XXX",
    "X.XXXXXXX.XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX.X.XXX",
    "X............................................X...X",
    "X.XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX.X",
    "X................................................X",
    "X.X.XXXXXXXXXXXXXXXXXXXXXXXXXX.XXX.XXXXXXXXXXXXX.X",
    "X.X.............................X..........X.X...X",
    "X.XXXXXXXXXXXXXXXXXXXXXXXXX.XXXXXXXXXXXXXX...X.X.X",
    "X.X.............................X..........X.X.X.X",
    "X.X.XXXXXXXXXXXXX.XXXX.XXXXXXXX.X.XXXXXXXXXX.X.X.X",
    "X.X.X...........................X..........X.X.X.X",
    "X.X.X.XXX.XXXXXXXXXXXXX.XXXXXXXXX.X.XXXXXX.X.X.X.X",
    "X.X.X.X.........................X.X.X......X...X.X",
    "X.X.X.X.XXXXXXXXX.XXXXXXX.XXXXXXX.X.X.XXXXXXXXXX.X",
    "X.X.X.X.X..X.........X..........X.X.X.XXXXXX...X.X",
    "X.X.X.X.X.XX.XXXXXXXXX..XXX.XX..X.X.X........X.X.X",
    "X.X.X.X.X....XXXXXXXXXXXXXX.XXX.X.X.X.X.XXXX.X.X.X",
    "X.X.X.X.X.XX.........X..X.XXX.X.X.X.X.X.XX...X.X.X",
    "X.X.X.X.X..X.XXXXXXXXX.XX.....X.XXXXX.X.X..X.X...X",
    "X.X.....X..X.........X.XXXXXX.X.X.X.X.X.X.XX.X.X.X",
    "X.XXXXXXXXXXXXXXXXXX.X.XX.....X.X.X.X.X.X..X.X.X.X",
    "X.X..................X.XX.XXXXX.X.X.XXX.XX.X.X.X.X",
    "X.XX.XXXXXXXXXXXXXXXXX........X.X...X.X.XX.X.X.X.X",
    "X.X..................X.XXXXXX.X.X.X.X.XXXX.X.X.X.X",
    "X.X.XXXXXXXXXXXXXXXXXX.XX.....X.X.X.X.X.XX.X.X.X.X",
    "X.X..................X.XX.XXXXX.X.X.X.X.XX.X.X.X.X",
    "X.XXXXXXXXXXXXXXXXXX.X.XX.....X.X.X.X.X.XX.X.X.X.X",
    "X.X....................X..XXX...X.X.X.X.XX.X.X.X.X",
    "X.X.XXXXXXXXXXXXXXXXXXXXXXXXXXX.X.X.X.X.XX.X.X.X.X",
    "X.X...................................X.XX.X.X.X.X",
    "X.X.XXXXXXXXXXXXXXXXXXX.XXXXXXXXXXXXXXX.XX.X.X.X.X",
    "X.X......................X............X.X..X.X.X.X",
    "X.X.XXXXXXXX.XXXX..XXXXXXXXXXXXX.XXX..X.X.XX.X.X.X",
    "X.X........X.....X.......X............X.X.XX.X.X.X",
    "X.XXXXXXXXXX.XXXXXXX..XXXXXXXX.XXXXXX.X.X.XX.X.X.X",
    "X.X........X.....X.......X............X.X.XX.X.X.X",
    "X.XXXXXX.XXX.XXXXXXXXXX.XXXXX.XXXXXXX.X.X.X..X.X.X",
    "X.X........X.....X.................X....X.X.XX.X.X",
    "X.XX.XXXXXXX.XXXXXXXXXXXXX.XXXXXXX...X.XX.X....X.X",
    "X..X.X...XXXXXXXXXX...XXXXXXX....XXXXX.XXXXXXX.X.X",
    "XX...X.X............X.........XX..........X....X.X",
    "XX.XXX.XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX.X",
    "XX...............................................X",
    "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX",
};

}  // namespace

QImage previewMaze()
{
    return gridImage(kMaze);
}

}  // namespace krivol::assets
