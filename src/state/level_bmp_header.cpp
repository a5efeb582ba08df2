#include "state/level_bmp.h"
#include "state/level_bmp_bytes.h"

namespace krivol {

using bmp::kFileHeaderSize;
using bmp::le16;
using bmp::le32;

namespace {

constexpr qsizetype kMasksAt =
    kFileHeaderSize + 40;  // after a 40-byte header, or inside a longer one

bool knownInfoSize(std::uint32_t size) {
    return size == 12 || size == 40 || size == 52 || size == 56 || size == 64 || size == 108 ||
           size == 124;
}

void readOs2Header(const QByteArray& bytes, BmpHeader& header) {
    header.width = le16(bytes, 18);
    header.height = le16(bytes, 20);
    header.bitCount = le16(bytes, 24);
    header.compression = kBmpRgb;
}

void readWindowsHeader(const QByteArray& bytes, BmpHeader& header) {
    header.width = static_cast<std::int32_t>(le32(bytes, 18));
    header.height = static_cast<std::int32_t>(le32(bytes, 22));
    header.bitCount = le16(bytes, 28);
    header.compression = le32(bytes, 30);
}

}  // namespace

bool looksLikeBmp(const QByteArray& bytes) { return bytes.startsWith("BM"); }

BmpHeaderStatus readBmpHeader(const QByteArray& bytes, BmpHeader& header) {
    if (bytes.size() < kFileHeaderSize + 4) return BmpHeaderStatus::cutShort;
    header.offBits = le32(bytes, 10);
    header.infoSize = le32(bytes, kFileHeaderSize);
    if (!knownInfoSize(header.infoSize)) return BmpHeaderStatus::unknownLayout;
    if (bytes.size() < kFileHeaderSize + static_cast<qsizetype>(header.infoSize)) {
        return BmpHeaderStatus::cutShort;
    }
    if (header.infoSize == 12) {
        readOs2Header(bytes, header);
        return BmpHeaderStatus::ok;
    }
    readWindowsHeader(bytes, header);
    const bool masked = header.compression == kBmpMasks || header.compression == kBmpAlphaMasks;
    // OS/2 2.x headers use compression 3 for Huffman coding, which is no mask at all.
    if (masked && header.infoSize == 64) return BmpHeaderStatus::unknownLayout;
    if (masked) {
        if (bytes.size() < kMasksAt + 12) return BmpHeaderStatus::cutShort;
        for (qsizetype i = 0; i < 3; ++i)
            header.masks[static_cast<size_t>(i)] = le32(bytes, kMasksAt + 4 * i);
    }
    return BmpHeaderStatus::ok;
}

}  // namespace krivol
