#include "round/startup.h"

#include <cmath>

#include "render/surface_ops.h"
#include "state/level.h"

namespace krivol {

QString startUp(Game& g, const QString& folder) {
    g.s.SP = 12;
    g.s.UGAME = 10;
    QString error = chooseLevel(g, folder, 1);
    drawLegend(g.pics, g.s.SP);
    return error;
}

QString chooseLevel(Game& g, const QString& folder, Integer index) {
    g.s.N_KRI = index;
    g.s.nam_kri = levelPath(folder, g.s.N_KRI);
    LevelPicture picture = loadLevelPicture(g.s.nam_kri);
    putInPicLOAD(g.pics.PicLOAD, picture.image);
    g.ports.screen.refreshPicLOAD();
    return picture.error;
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
