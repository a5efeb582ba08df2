// Any bytes as a level file: decoded, shown in the preview, read and checked
// the way a round reads a level.
#include <cstddef>
#include <cstdint>

#include "render/level_preview.h"
#include "render/surface_ops.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace krivol;
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const LevelPicture picture = decodeLevelPicture(bytes, QStringLiteral("KRIVOL01.BMP"));
    QImage PicLOAD = makeSurface(52, 52, 0xFF000000u);
    putInPicLOAD(PicLOAD, picture.image);
    if (!picture.ok()) return 0;
    Field FLD;
    Long COL = 0;
    readLevel(FLD, COL, PicLOAD);
    (void)checkLevel(FLD, picture.image.size()).reason();
    return 0;
}
