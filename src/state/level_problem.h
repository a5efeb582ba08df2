#pragma once
#include <QString>

#include "files/regular_file.h"

namespace krivol {

// Why a level picture could not be had, kept as data so that the window can
// say it in Russian and the headless tool in English.
enum class LevelFault {
    none,
    file,               // the file itself: see `file`
    empty,
    bmpHeaderCutShort,
    bmpNoPixelData,     // pixel data would start at byte `a` of a `b`-byte file
    bmpDataCutShort,    // `a` of `b` bytes of pixel data present
    bmpRleCutShort,
    bmpDepth,           // `a` bits per pixel, which no BMP reader here knows
    tooManyPixels,      // `a` x `b` pixels, more than is sensible to decode
    notAPicture,        // the decoders' words in `detail`
    outOfMemory,
};

struct LevelProblem {
    LevelFault fault = LevelFault::none;
    FileProblem file;
    qint64 a = 0, b = 0;
    QString detail;
    explicit operator bool() const { return fault != LevelFault::none; }
};

// The reason in English, without the file's name.
QString describe(const LevelProblem& problem);

}  // namespace krivol
