#include "shell/editor/editor_files.h"

#include <QFileInfo>
#include <QStringList>

#include "files/file_beside.h"
#include "render/level_preview.h"
#include "shell/editor/editor_text.h"
#include "shell/level_messages.h"
#include "state/level_pixels.h"
#include "state/level_write.h"

namespace krivol {

namespace {

bool largerThanField(QSize size) { return size.width() > kGridMax || size.height() > kGridMax; }

QString sentence(const QString& text) { return text.left(1).toUpper() + text.mid(1) + QLatin1Char('.'); }

}  // namespace

OpenedLevel openLevel(const QString& path) {
    const LevelReading reading = readLevelFile(path);
    OpenedLevel opened;
    if (!reading.picture.ok()) {
        opened.error = QStringLiteral("%1: %2").arg(path, levelReason(reading));
        return opened;
    }
    opened.ok = true;
    opened.grid = reading.FLD;
    const QSize size = reading.picture.image.size();
    QStringList notes;
    if (largerThanField(size))
        notes << EditorText::tr("Картинка %1 × %2 точек: игра читает только её левые верхние 50 × 50 точек, "
                                "их и показывает редактор.")
                     .arg(size.width())
                     .arg(size.height());
    for (const QString& note : levelNotes(reading.check)) notes << sentence(note);
    if (reading.check.near.black + reading.check.near.white > 0)
        notes << EditorText::tr("Импорт по порогу (Ctrl+I) сделает их стеной и коридором.");
    opened.note = notes.join(QLatin1Char(' '));
    opened.savesInPlace = size == QSize(kGridMax, kGridMax) && QFileInfo(path).suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0;
    return opened;
}

OpenedLevel importLevel(const QString& path) {
    const LevelPicture picture = loadLevelPicture(path);
    OpenedLevel opened;
    if (!picture.ok()) {
        opened.error = QStringLiteral("%1: %2").arg(path, levelReason(picture));
        return opened;
    }
    QImage image = picture.image;
    const QSize size = image.size();
    const bool scaled = largerThanField(size);
    if (scaled) image = image.scaled(kGridMax, kGridMax, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int x = 1; x <= kGridMax; ++x)
        for (int y = 1; y <= kGridMax; ++y) {
            // Cells beyond a small picture are walls, as the game reads them.
            const QRgb c = image.valid(x - 1, y - 1) ? image.pixel(x - 1, y - 1) : 0xFF000000u;
            opened.grid.set(x, y, isNearBlack(c) ? cell::kWall : isNearWhite(c) ? cell::kDot : cell::kFloor);
        }
    opened.ok = true;
    opened.note = EditorText::tr("Импорт по порогу из %1: почти чёрное — стена, почти белое — коридор, остальное — пол.")
                      .arg(QFileInfo(path).fileName());
    if (scaled) opened.note += EditorText::tr(" Картинка %1 × %2 точек уменьшена до 50 × 50.").arg(size.width()).arg(size.height());
    else if (size != QSize(kGridMax, kGridMax))
        opened.note += EditorText::tr(" Картинка %1 × %2 точек меньше 50 × 50: клетки за её краем — стена, как их читает игра.")
                           .arg(size.width())
                           .arg(size.height());
    return opened;
}

QString saveLevel(const QString& path, const Field& grid) {
    const FileProblem problem = writeFileAtomically(path, levelBmpBytes(grid));
    if (!problem) return {};
    return QStringLiteral("%1: %2").arg(path, fileReason(problem, FileUse::write));
}

}  // namespace krivol
