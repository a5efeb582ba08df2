#include "round/startup.h"

#include <cmath>

#include "render/surface_ops.h"
#include "render/level_preview.h"

namespace krivol {

void startDefaults(Game& g) {
    g.s.SP = kCellSize;
    g.s.UGAME = 10;
    g.s.N_KRI = 1;
    drawLegend(g.pics, g.s.SP);
}

LevelReading startUp(Game& g, const DataFolders& folders) {
    startDefaults(g);
    return chooseLevel(g, folders, 1);
}

LevelReading chooseLevel(Game& g, const DataFolders& folders, Integer index) {
    g.s.N_KRI = index;
    g.s.nam_kri = folders.levelFile(g.s.N_KRI);
    // The grid is read only to tell the player at once why a level cannot be
    // played; COL is the round's, so a preview leaves it alone.
    Long previewCOL = 0;
    LevelReading level = readLevelFile(g.s.nam_kri, g.pics.PicLOAD, previewCOL);
    g.ports.screen.refreshPicLOAD();
    return level;
}

void drawLegend(Surfaces& pics, int SP) {
    struct Icon {
        double destY;
        int tile;
    };
    // bonus, trap, ammo, protection beside their captions
    constexpr Icon icons[] = {{0, 2}, {2, 3}, {4.5, 4}, {7, 5}};
    for (const Icon& icon : icons) {
        const int y = static_cast<int>(std::nearbyint(SP * icon.destY));
        BitBlt(pics.Pic_inf, 0, y, SP, SP, pics.PicS, 0, SP * icon.tile, Rop::SRCCOPY);
    }
}

}  // namespace krivol
