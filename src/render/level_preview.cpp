#include "render/level_preview.h"

#include "render/surface_ops.h"

namespace krivol {

void putInPicLOAD(QImage& PicLOAD, const QImage& picture) {
    // The preview box is always an opaque surface; rebuild it if someone
    // handed over something else.
    if (PicLOAD.isNull() || PicLOAD.format() != QImage::Format_RGB32) {
        PicLOAD = makeSurface(52, 52, 0xFF000000u);
    }
    PicLOAD.fill(0xFF000000u);
    if (picture.isNull()) return;
    const QImage source = picture.format() == QImage::Format_RGB32
                              ? picture
                              : picture.convertToFormat(QImage::Format_RGB32);
    BitBlt(PicLOAD, 0, 0, source.width(), source.height(), source, 0, 0, Rop::SRCCOPY);
}

void readLevel(Field& FLD, Long& COL, const QImage& PicLOAD) {
    FLD.clear();
    for (int x = 1; x <= kGridMax; ++x) {
        for (int y = 1; y <= kGridMax; ++y) {
            COL = static_cast<Long>(GetPixel(PicLOAD, x - 1, y - 1));
            if (COL == 0) FLD.set(x, y, cell::kWall);
            if (COL == 0xFFFFFF) FLD.set(x, y, cell::kDot);
        }
    }
}

QString LevelReading::error() const {
    if (!picture.ok()) return picture.error;
    if (check.playable()) return {};
    return QStringLiteral("%1: %2").arg(picture.path, check.reason());
}

LevelReading readLevelFile(const QString& path, QImage& PicLOAD, Long& COL) {
    LevelReading reading;
    reading.picture = loadLevelPicture(path);
    putInPicLOAD(PicLOAD, reading.picture.image);
    if (!reading.picture.ok()) return reading;
    readLevel(reading.FLD, COL, PicLOAD);
    reading.check = checkLevel(reading.FLD, reading.picture.image.size());
    reading.check.near = countNearColours(reading.picture.image);
    return reading;
}

LevelReading readLevelFile(const QString& path) {
    QImage PicLOAD = makeSurface(52, 52, 0xFF000000u);
    Long COL = 0;
    return readLevelFile(path, PicLOAD, COL);
}

}  // namespace krivol
