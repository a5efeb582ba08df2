#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "state/level.h"
#include "state/level_bmp.h"

namespace krivol {

namespace {

// A level is a few kilobytes; anything this big is not one and would only
// make the decoder allocate.
constexpr qint64 kMaxLevelFileBytes = 32 * 1024 * 1024;

LevelPicture failure(const QString& path, const QString& reason) {
    return {QImage(), QStringLiteral("%1: %2").arg(path, reason)};
}

// The file's bytes, or why they cannot be had.
QString readWholeFile(const QString& path, QByteArray& bytes) {
    const QFileInfo info(path);
    if (!info.exists()) return QStringLiteral("no such file");
    if (info.isDir()) return QStringLiteral("is a folder, not a picture file");
    if (info.size() > kMaxLevelFileBytes) {
        return QStringLiteral("too large for a level picture (%1 bytes)").arg(info.size());
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("cannot be opened (%1)").arg(file.errorString());
    }
    bytes = file.read(kMaxLevelFileBytes + 1);
    if (bytes.size() > kMaxLevelFileBytes) return QStringLiteral("too large for a level picture");
    if (bytes.isEmpty()) return QStringLiteral("the file is empty");
    return {};
}

QImage readAs(QByteArray& bytes, const QByteArray& format, QString& error) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    QImage image = reader.read();
    if (image.isNull()) error = reader.errorString();
    return image;
}

// The content decides, so a PNG named .BMP still loads; the file's suffix is
// the fallback for formats that carry no signature.
QImage decodeWithQt(const QString& path, QByteArray& bytes, QString& reason) {
    QString error;
    QImage image = readAs(bytes, QByteArray(), error);
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    if (image.isNull() && !suffix.isEmpty()) {
        QString ignored;
        image = readAs(bytes, suffix, ignored);
    }
    if (image.isNull()) reason = QStringLiteral("cannot be read as a picture (%1)").arg(error);
    return image;
}

// Qt reads cut-short BMPs without a word and narrows 16-bit channels, so a
// BMP gets a look at its header first and its bit-mask kinds are decoded here.
QImage decodeBmp(const QString& path, QByteArray& bytes, QString& reason) {
    BmpHeader header;
    const BmpHeaderStatus status = readBmpHeader(bytes, header);
    if (status == BmpHeaderStatus::cutShort) {
        reason = QStringLiteral("the BMP header is cut short");
        return {};
    }
    if (status == BmpHeaderStatus::unknownLayout) return decodeWithQt(path, bytes, reason);
    reason = bmpDataProblem(header, bytes);
    if (!reason.isEmpty()) return {};
    if (!isMaskedBmp(header)) return decodeWithQt(path, bytes, reason);
    QImage image = decodeMaskedBmp(header, bytes);
    if (image.isNull()) reason = QStringLiteral("the picture is too large to hold in memory");
    return image;
}

}  // namespace

LevelPicture loadLevelPicture(const QString& path) {
    QByteArray bytes;
    QString reason = readWholeFile(path, bytes);
    if (!reason.isEmpty()) return failure(path, reason);
    QImage image =
        looksLikeBmp(bytes) ? decodeBmp(path, bytes, reason) : decodeWithQt(path, bytes, reason);
    if (!reason.isEmpty() || image.isNull()) {
        return failure(path,
                       reason.isEmpty() ? QStringLiteral("cannot be read as a picture") : reason);
    }
    image = image.convertToFormat(QImage::Format_RGB32);
    if (image.isNull())
        return failure(path, QStringLiteral("the picture is too large to hold in memory"));
    return {image, QString()};
}

}  // namespace krivol
