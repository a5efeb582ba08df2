#include "files/local_path.h"

#include <unistd.h>

namespace krivol {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// Length of the well-formed UTF-8 sequence at `at`, or 0 when the byte there
// does not start one (overlong forms and encoded surrogates included).
int sequenceLength(const unsigned char* p, qsizetype left) {
    const unsigned char b = p[0];
    if (b < 0x80) return 1;
    int length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) length = 2;
    else if (b >= 0xE0 && b <= 0xEF) length = 3;
    else if (b >= 0xF0 && b <= 0xF4) length = 4;
    else return 0;
    if (b == 0xE0) low = 0xA0;
    if (b == 0xED) high = 0x9F;
    if (b == 0xF0) low = 0x90;
    if (b == 0xF4) high = 0x8F;
    if (left < length || p[1] < low || p[1] > high) return 0;
    for (int i = 2; i < length; ++i)
        if (p[i] < 0x80 || p[i] > 0xBF) return 0;
    return length;
}

bool isEscapedByte(char16_t c) { return c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF; }

}  // namespace

QString pathFromLocal(const QByteArray& bytes) {
    QString path;
    path.reserve(bytes.size());
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    for (qsizetype at = 0; at < bytes.size();) {
        const int length = sequenceLength(p + at, bytes.size() - at);
        if (length == 0) {
            path += QChar(static_cast<char16_t>(kEscapeBase + p[at]));
            ++at;
            continue;
        }
        path += QString::fromUtf8(bytes.constData() + at, length);
        at += length;
    }
    return path;
}

QByteArray pathToLocal(const QString& path) {
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t c = path[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < path.size() && path[i + 1].isLowSurrogate()) {
            ++i;  // a character beyond U+FFFF, whose second half may look like an escape
            continue;
        }
        if (!isEscapedByte(c)) continue;
        bytes += QStringView(path).mid(runStart, i - runStart).toUtf8();
        bytes += static_cast<char>(c - kEscapeBase);
        runStart = i + 1;
    }
    bytes += QStringView(path).mid(runStart).toUtf8();
    return bytes;
}

QStringList argumentsFromArgv(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << pathFromLocal(QByteArray(argv[i]));
    return arguments;
}

QString programFolder() {
    QByteArray target(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", target.data(), static_cast<size_t>(target.size()));
    if (length <= 0 || length >= target.size()) return {};
    target.truncate(length);
    const qsizetype slash = target.lastIndexOf('/');
    return pathFromLocal(slash <= 0 ? QByteArray("/") : target.left(slash));
}

}  // namespace krivol
