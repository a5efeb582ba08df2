// Writes the game's icons into a hicolor tree: OUT/<n>x<n>/apps/ID.png for
// every icon size and OUT/scalable/apps/ID.svg, all from the hero sprite.
//   krivol-icongen OUT ID
#include <QDir>
#include <QFile>
#include <cstdio>

#include "assets/icon.h"

namespace {

bool writeInto(const QString& folder, const QString& name, const QByteArray& bytes) {
    QFile file(folder + QLatin1Char('/') + name);
    return QDir().mkpath(folder) && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
           file.flush();
}

bool savePng(const QString& folder, const QString& name, int size) {
    return QDir().mkpath(folder) && krivol::assets::heroIcon(size).save(folder + QLatin1Char('/') + name, "PNG");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: krivol-icongen OUT ID\n", stderr);
        return 2;
    }
    const QString out = QFile::decodeName(argv[1]), id = QString::fromUtf8(argv[2]);
    for (const int size : krivol::assets::kIconSizes) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(out).arg(size);
        if (!savePng(folder, id + QStringLiteral(".png"), size)) {
            std::fprintf(stderr, "krivol-icongen: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    if (!writeInto(out + QStringLiteral("/scalable/apps"), id + QStringLiteral(".svg"), krivol::assets::heroIconSvg())) {
        std::fputs("krivol-icongen: cannot write the SVG icon\n", stderr);
        return 1;
    }
    return 0;
}
