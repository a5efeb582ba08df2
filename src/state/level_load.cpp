#include <QBuffer>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <climits>

#include "state/level.h"
#include "state/level_bmp.h"

namespace krivol {

namespace {

// A level is a few kilobytes; anything this big is not one and would only
// make the decoder allocate.
constexpr qint64 kMaxLevelFileBytes = 32 * 1024 * 1024;
// Only the top-left 50 x 50 pixels count; a picture past 4096 x 4096 is a
// mistake (or a decompression bomb), not a level.
constexpr qint64 kMaxLevelPixels = 4096LL * 4096;

LevelProblem fault(LevelFault kind, qint64 a = 0, qint64 b = 0) { return {kind, {}, a, b, {}}; }

LevelProblem tooManyPixels(QSize size) {
    const qint64 pixels = static_cast<qint64>(size.width()) * size.height();
    if (!size.isValid() || pixels <= kMaxLevelPixels) return {};
    return fault(LevelFault::tooManyPixels, size.width(), size.height());
}

QImage readAs(QByteArray& bytes, const QByteArray& format, LevelProblem& problem) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    problem = tooManyPixels(reader.size());
    if (problem) return {};
    QImage image = reader.read();
    if (image.isNull()) problem = {LevelFault::notAPicture, {}, 0, 0, reader.errorString()};
    return image;
}

// The content decides, so a PNG named .BMP still loads; the file's suffix is
// the fallback for formats that carry no signature.
QImage decodeWithQt(const QString& path, QByteArray& bytes, LevelProblem& problem) {
    QImage image = readAs(bytes, QByteArray(), problem);
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    if (image.isNull() && problem.fault == LevelFault::notAPicture && !suffix.isEmpty()) {
        LevelProblem bySuffix;
        image = readAs(bytes, suffix, bySuffix);
        if (!image.isNull() || bySuffix.fault == LevelFault::tooManyPixels) problem = bySuffix;
    }
    return image;
}

// Qt reads cut-short BMPs without a word and narrows 16-bit channels, so a
// BMP gets a look at its header first and its bit-mask kinds are decoded here.
QImage decodeBmp(const QString& path, QByteArray& bytes, LevelProblem& problem) {
    BmpHeader header;
    const BmpHeaderStatus status = readBmpHeader(bytes, header);
    if (status == BmpHeaderStatus::cutShort) {
        problem = fault(LevelFault::bmpHeaderCutShort);
        return {};
    }
    if (status == BmpHeaderStatus::unknownLayout) return decodeWithQt(path, bytes, problem);
    problem = bmpDataProblem(header, bytes);
    if (problem) return {};
    if (!isMaskedBmp(header)) return decodeWithQt(path, bytes, problem);
    const qint64 rows = header.height < 0 ? -header.height : header.height;
    problem = tooManyPixels(QSize(static_cast<int>(std::min<qint64>(header.width, INT_MAX)),
                                  static_cast<int>(std::min<qint64>(rows, INT_MAX))));
    if (problem) return {};
    QImage image = decodeMaskedBmp(header, bytes);
    if (image.isNull()) problem = fault(LevelFault::outOfMemory);
    return image;
}

LevelPicture failure(const QString& path, const LevelProblem& problem) {
    LevelPicture picture;
    picture.path = path;
    picture.problem = problem;
    picture.error = QStringLiteral("%1: %2").arg(path, describe(problem));
    return picture;
}

}  // namespace

LevelPicture decodeLevelPicture(QByteArray bytes, const QString& path) {
    if (bytes.isEmpty()) return failure(path, fault(LevelFault::empty));
    LevelProblem problem;
    QImage image = looksLikeBmp(bytes) ? decodeBmp(path, bytes, problem) : decodeWithQt(path, bytes, problem);
    if (problem) return failure(path, problem);
    if (image.isNull()) return failure(path, {LevelFault::notAPicture, {}, 0, 0, QStringLiteral("no picture in it")});
    image = image.convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) return failure(path, fault(LevelFault::outOfMemory));
    LevelPicture picture;
    picture.path = path;
    picture.image = image;
    picture.sha256 = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    return picture;
}

LevelPicture loadLevelPicture(const QString& path) {
    QByteArray bytes;
    if (FileProblem p = readRegularFile(path, kMaxLevelFileBytes, bytes)) return failure(path, {LevelFault::file, p, 0, 0, {}});
    return decodeLevelPicture(std::move(bytes), path);
}

}  // namespace krivol
