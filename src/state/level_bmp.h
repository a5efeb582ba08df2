#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <array>
#include <cstdint>

#include "state/level_problem.h"

namespace krivol {

// The parts of a Windows bitmap header that decide whether its pixel data
// is all there and how wide its channels are.
struct BmpHeader {
    std::uint32_t offBits = 0;   // where the pixel data starts
    std::uint32_t infoSize = 0;  // 12 for OS/2 headers, 40 and up otherwise
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative for top-down rows
    int bitCount = 0;
    std::uint32_t compression = 0;         // 0 none, 1 RLE8, 2 RLE4, 3 and 6 bit masks
    std::array<std::uint32_t, 3> masks{};  // red, green, blue when compression is 3 or 6
};

enum BmpCompression : std::uint32_t {
    kBmpRgb = 0,
    kBmpRle8 = 1,
    kBmpRle4 = 2,
    kBmpMasks = 3,
    kBmpAlphaMasks = 6
};

bool looksLikeBmp(const QByteArray& bytes);

// unknownLayout: a header we do not know; Qt then has the last word on the file.
enum class BmpHeaderStatus { ok, unknownLayout, cutShort };
BmpHeaderStatus readBmpHeader(const QByteArray& bytes, BmpHeader& header);

// Why the file's pixel data cannot be complete or read; none when it can.
LevelProblem bmpDataProblem(const BmpHeader& header, const QByteArray& bytes);

// Whether the file is one of the kinds we decode ourselves: 16- and 32-bit
// ones, which Qt narrows, and plain 24-bit ones (the game's own levels), which
// so load without Qt asking every image plugin of the system first.
bool isMaskedBmp(const BmpHeader& header);

// Decodes a 16-, 24- or 32-bit BMP, widening every channel so that its full
// value reads 255. The data must already have passed bmpDataProblem.
QImage decodeMaskedBmp(const BmpHeader& header, const QByteArray& bytes);

}  // namespace krivol
