#include "state/level_bmp.h"
#include "state/level_bmp_bytes.h"

#include <algorithm>

namespace krivol {

using bmp::byteAt;

namespace {

// Follows an RLE stream far enough to know whether it ends inside the file.
// Each step eats at least two bytes, so a hostile stream cannot loop forever.
bool rleStreamComplete(const QByteArray& bytes, qsizetype pos, int bitCount, std::int64_t height) {
    const qsizetype end = bytes.size();
    std::int64_t row = 0;
    while (row < height) {
        if (pos + 2 > end) return false;
        const int count = byteAt(bytes, pos), value = byteAt(bytes, pos + 1);
        pos += 2;
        if (count > 0 || value == 0) {
            if (count == 0) ++row;  // end of line
            continue;
        }
        if (value == 1) return true;  // end of bitmap
        if (value == 2) {             // jump right and down
            if (pos + 2 > end) return false;
            row += byteAt(bytes, pos + 1);
            pos += 2;
            continue;
        }
        const qsizetype literal = bitCount == 4 ? (value + 1) / 2 : value;
        if (pos + literal > end) return false;
        pos += literal + (literal & 1);  // literal runs are padded to 16 bits
    }
    return true;
}

LevelProblem shortBy(std::int64_t needed, qsizetype present) {
    return {LevelFault::bmpDataCutShort, {}, std::max<std::int64_t>(present, 0), needed, {}};
}

bool knownDepth(int bitCount) {
    // 0 leaves the depth to an embedded JPEG or PNG, which Qt judges itself.
    for (int bits : {0, 1, 4, 8, 16, 24, 32})
        if (bitCount == bits) return true;
    return false;
}

LevelProblem uncompressedProblem(const BmpHeader& header, const QByteArray& bytes) {
    if (header.width <= 0 || header.bitCount <= 0) return {};  // Qt refuses these by itself
    const std::int64_t rowBytes = (header.width * header.bitCount + 31) / 32 * 4;
    const std::int64_t rows = header.height < 0 ? -header.height : header.height;
    const qsizetype present = bytes.size() - static_cast<qsizetype>(header.offBits);
    // Rows longer than the whole file need no multiplication to be refused.
    if (rowBytes > bytes.size()) return shortBy(rowBytes, present);
    const std::int64_t needed = rowBytes * rows;
    if (present < needed) return shortBy(needed, present);
    return {};
}

}  // namespace

LevelProblem bmpDataProblem(const BmpHeader& header, const QByteArray& bytes) {
    if (!knownDepth(header.bitCount)) return {LevelFault::bmpDepth, {}, header.bitCount, 0, {}};
    if (header.offBits >= static_cast<std::uint64_t>(bytes.size()))
        return {LevelFault::bmpNoPixelData, {}, header.offBits, bytes.size(), {}};
    if (header.compression == kBmpRle8 || header.compression == kBmpRle4) {
        const int bits = header.compression == kBmpRle4 ? 4 : 8;
        if (!rleStreamComplete(bytes, header.offBits, bits, header.height))
            return {LevelFault::bmpRleCutShort, {}, 0, 0, {}};
        return {};
    }
    if (header.compression == kBmpRgb || header.compression == kBmpMasks ||
        header.compression == kBmpAlphaMasks) {
        return uncompressedProblem(header, bytes);
    }
    return {};
}

bool isMaskedBmp(const BmpHeader& header) {
    const bool masked = header.compression == kBmpMasks || header.compression == kBmpAlphaMasks;
    const bool kind = header.bitCount == 16 || header.bitCount == 32 ||
                      (header.bitCount == 24 && header.compression == kBmpRgb);
    return (masked || header.compression == kBmpRgb) && kind && header.width > 0 && header.height != 0;
}

}  // namespace krivol
