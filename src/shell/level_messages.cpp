#include "shell/level_messages.h"

#include <QStringList>

#include "shell/system_error_text.h"

namespace krivol {

namespace {

QString fileReason(const FileProblem& p, FileUse use) {
    const bool write = use == FileUse::write;
    switch (p.fault) {
    case FileFault::none: return {};
    case FileFault::missing: return write ? QStringLiteral("такой папки нет") : QStringLiteral("файла нет");
    case FileFault::danglingLink: return QStringLiteral("символическая ссылка ведёт к несуществующему файлу");
    case FileFault::symlinkLoop: return QStringLiteral("символические ссылки замкнуты в кольцо");
    case FileFault::folder: return QStringLiteral("это папка, а не файл");
    case FileFault::fifo: return QStringLiteral("это именованный канал (FIFO), а не обычный файл");
    case FileFault::socket: return QStringLiteral("это сокет, а не обычный файл");
    case FileFault::device: return QStringLiteral("это устройство, а не обычный файл");
    case FileFault::noPermission: return write ? QStringLiteral("нет права на запись") : QStringLiteral("нет права на чтение");
    case FileFault::tooLarge: return QStringLiteral("файл слишком велик (%1 байт)").arg(p.size);
    case FileFault::failed: return QStringLiteral("файл не читается (%1)").arg(systemErrorText(p));
    case FileFault::diskFull: return QStringLiteral("диск переполнен");
    case FileFault::writeFailed: return QStringLiteral("файл не записывается (%1)").arg(systemErrorText(p));
    }
    return {};
}

QString pictureReason(const LevelProblem& p) {
    switch (p.fault) {
    case LevelFault::none: return {};
    case LevelFault::file: return fileReason(p.file, FileUse::read);
    case LevelFault::empty: return QStringLiteral("файл пуст");
    case LevelFault::bmpHeaderCutShort: return QStringLiteral("заголовок BMP обрезан");
    case LevelFault::bmpNoPixelData:
        return QStringLiteral("файл кончается раньше, чем начинается изображение (байт %1 из %2)").arg(p.a).arg(p.b);
    case LevelFault::bmpDataCutShort:
        return QStringLiteral("изображение обрезано (есть %1 из %2 байт)").arg(p.a).arg(p.b);
    case LevelFault::bmpRleCutShort: return QStringLiteral("сжатое изображение обрезано");
    case LevelFault::bmpDepth:
        return QStringLiteral("BMP с глубиной цвета %1 бит не поддерживается (сохраните с 24 битами)").arg(p.a);
    case LevelFault::tooManyPixels:
        return QStringLiteral("картинка слишком велика (%1 × %2 точек, а уровень — 50 × 50)").arg(p.a).arg(p.b);
    case LevelFault::notAPicture: return QStringLiteral("файл не читается как картинка");
    case LevelFault::outOfMemory: return QStringLiteral("картинка слишком велика, не хватает памяти");
    }
    return {};
}

QString openingsReason(const LevelCheck& check) {
    QString text = QStringLiteral("граница открыта в клетках ") + namedOpenings(check.openings);
    const auto rest = static_cast<qsizetype>(check.openings.size()) - kOpeningsNamed;
    if (rest > 0) text += QStringLiteral(" и ещё %1").arg(rest);
    text += QStringLiteral(" (столбец,строка, считая от 1; проходимых клеток на внешнем кольце: %1)").arg(check.openings.size());
    if (check.picture.width() > kGridMax || check.picture.height() > kGridMax) {
        text += QStringLiteral("; у картинки %1 × %2 точек считаются только левые верхние 50 × 50, "
                               "и их внешнее кольцо должно быть чёрным")
                    .arg(check.picture.width())
                    .arg(check.picture.height());
    }
    return text;
}

}  // namespace

QStringList russianNotes(const LevelCheck& check) {
    QStringList found;
    if (check.near.black + check.near.white > 0) {
        found << QStringLiteral("почти, но не совсем чёрных точек %1 и почти, но не совсем белых %2, и игра читает их "
                                "как пустой пол; скорее всего, картинку сохранили с потерями, например в JPEG: "
                                "сохраняйте уровни в BMP или PNG")
                     .arg(check.near.black)
                     .arg(check.near.white);
    }
    if (check.smallerThanField()) {
        found << QStringLiteral("картинка всего %1 × %2 точек: клетки за её краем, до 50-го столбца и строки, "
                                "игра читает как стену")
                     .arg(check.picture.width())
                     .arg(check.picture.height());
    }
    return found;
}

namespace {

QString checkReason(const LevelCheck& check) {
    QStringList parts;
    if (check.dots < kDotsNeeded)
        parts << QStringLiteral("клеток с точками в столбцах и строках 2..49 всего %1, а нужно не меньше %2")
                     .arg(check.dots)
                     .arg(kDotsNeeded);
    if (check.whiteCells == 0) {
        parts << QStringLiteral("в картинке нет ни одной чисто белой точки: коридор — только чисто белый "
                                "цвет (#FFFFFF), стена — только чисто чёрный (#000000)");
    }
    if (!check.openings.empty()) parts << openingsReason(check);
    if (check.whiteCells > 0 && check.reachableDots == 0)
        parts << QStringLiteral("от начальной клетки героя (столбец %1, строка %2) не дойти ни до одной точки")
                     .arg(kHeroStartCell.x())
                     .arg(kHeroStartCell.y());
    if (!parts.isEmpty()) parts << russianNotes(check);
    return parts.join(QStringLiteral("; "));
}

QString shortFileReason(FileFault fault) {
    switch (fault) {
    case FileFault::missing: return QStringLiteral("нет");
    case FileFault::noPermission: return QStringLiteral("нет доступа");
    case FileFault::tooLarge: return QStringLiteral("велик");
    case FileFault::failed: return QStringLiteral("ошибка");
    default: return QStringLiteral("не файл");
    }
}

QString shortPictureReason(const LevelProblem& p) {
    switch (p.fault) {
    case LevelFault::file: return shortFileReason(p.file.fault);
    case LevelFault::tooManyPixels:
    case LevelFault::outOfMemory: return QStringLiteral("велик");
    case LevelFault::notAPicture:
    case LevelFault::bmpDepth: return QStringLiteral("не картинка");
    default: return QStringLiteral("испорчен");
    }
}

QString shortCheckReason(const LevelCheck& check) {
    if (!check.openings.empty()) return QStringLiteral("дыра в стене");
    if (check.dots < kDotsNeeded) return QStringLiteral("мало точек");
    return QStringLiteral("нет пути");
}

}  // namespace

QString russianFileReason(const FileProblem& problem, FileUse use) { return fileReason(problem, use); }

QString russianReason(const LevelCheck& check) { return check.playable() ? QString() : checkReason(check); }

QString russianReason(const LevelPicture& picture) { return pictureReason(picture.problem); }

QString russianReason(const LevelReading& level) {
    return level.picture.ok() ? russianReason(level.check) : russianReason(level.picture);
}

QString shortRussianReason(const LevelReading& level) {
    if (!level.picture.ok()) return shortPictureReason(level.picture.problem);
    return level.check.playable() ? QString() : shortCheckReason(level.check);
}

}  // namespace krivol
