#include "shell/level_messages.h"

#include <QCoreApplication>
#include <QStringList>
#include <climits>

#include "shell/system_error_text.h"

namespace krivol {

namespace {

// The level messages' texts, translated in one context shared by the game
// window and the editor.
class LevelMessages {
    Q_DECLARE_TR_FUNCTIONS(LevelMessages)

public:
    static QString file(const FileProblem& p, FileUse use);
    static QString picture(const LevelProblem& p);
    static QString openings(const LevelCheck& check);
    static QStringList notes(const LevelCheck& check);
    static QString check(const LevelCheck& check);
    static QString shortFile(FileFault fault);
    static QString shortPicture(const LevelProblem& p);
    static QString shortCheck(const LevelCheck& check);
};

QString LevelMessages::file(const FileProblem& p, FileUse use) {
    const bool write = use == FileUse::write;
    switch (p.fault) {
    case FileFault::none: return {};
    case FileFault::missing: return write ? tr("такой папки нет") : tr("файла нет");
    case FileFault::danglingLink: return tr("символическая ссылка ведёт к несуществующему файлу");
    case FileFault::symlinkLoop: return tr("символические ссылки замкнуты в кольцо");
    case FileFault::folder: return tr("это папка, а не файл");
    case FileFault::fifo: return tr("это именованный канал (FIFO), а не обычный файл");
    case FileFault::socket: return tr("это сокет, а не обычный файл");
    case FileFault::device: return tr("это устройство, а не обычный файл");
    case FileFault::noPermission: return write ? tr("нет права на запись") : tr("нет права на чтение");
    case FileFault::tooLarge:
        if (p.size > INT_MAX) return tr("файл слишком велик (больше 2 ГиБ)");
        return tr("файл слишком велик (%n байт)", nullptr, static_cast<int>(p.size));
    case FileFault::failed: return tr("файл не читается (%1)").arg(systemErrorText(p));
    case FileFault::diskFull: return tr("диск переполнен");
    case FileFault::writeFailed: return tr("файл не записывается (%1)").arg(systemErrorText(p));
    }
    return {};
}

QString LevelMessages::picture(const LevelProblem& p) {
    switch (p.fault) {
    case LevelFault::none: return {};
    case LevelFault::file: return file(p.file, FileUse::read);
    case LevelFault::empty: return tr("файл пуст");
    case LevelFault::bmpHeaderCutShort: return tr("заголовок BMP обрезан");
    case LevelFault::bmpNoPixelData:
        return tr("файл кончается раньше, чем начинается изображение (байт %1 из %2)").arg(p.a).arg(p.b);
    case LevelFault::bmpDataCutShort: return tr("изображение обрезано (есть %1 из %2 байт)").arg(p.a).arg(p.b);
    case LevelFault::bmpRleCutShort: return tr("сжатое изображение обрезано");
    case LevelFault::bmpDepth: return tr("BMP с глубиной цвета %1 бит не поддерживается (сохраните с 24 битами)").arg(p.a);
    case LevelFault::tooManyPixels:
        return tr("картинка слишком велика (%1 × %2 точек, а уровень — 50 × 50)").arg(p.a).arg(p.b);
    case LevelFault::notAPicture: return tr("файл не читается как картинка");
    case LevelFault::outOfMemory: return tr("картинка слишком велика, не хватает памяти");
    }
    return {};
}

QString LevelMessages::openings(const LevelCheck& check) {
    QString text = tr("граница открыта в клетках %1").arg(namedOpenings(check.openings));
    const auto rest = static_cast<qsizetype>(check.openings.size()) - kOpeningsNamed;
    if (rest > 0) text += tr(" и ещё %1").arg(rest);
    text += tr(" (столбец,строка, считая от 1; проходимых клеток на внешнем кольце: %1)").arg(check.openings.size());
    if (check.picture.width() > kGridMax || check.picture.height() > kGridMax) {
        text += tr("; у картинки %1 × %2 точек считаются только левые верхние 50 × 50, "
                   "и их внешнее кольцо должно быть чёрным")
                    .arg(check.picture.width())
                    .arg(check.picture.height());
    }
    return text;
}

QStringList LevelMessages::notes(const LevelCheck& check) {
    QStringList found;
    QStringList near;
    if (check.near.black > 0) near << tr("%n почти, но не совсем чёрных точек", nullptr, check.near.black);
    if (check.near.white > 0) near << tr("%n почти, но не совсем белых точек", nullptr, check.near.white);
    if (!near.isEmpty()) {
        found << tr("в картинке %1, и игра читает их как пустой пол; скорее всего, картинку сохранили с потерями, "
                    "например в JPEG: сохраняйте уровни в BMP или PNG")
                     .arg(near.join(tr(" и ")));
    }
    if (check.smallerThanField()) {
        found << tr("картинка всего %1 × %2 точек: клетки за её краем, до 50-го столбца и строки, "
                    "игра читает как стену")
                     .arg(check.picture.width())
                     .arg(check.picture.height());
    }
    return found;
}

QString LevelMessages::check(const LevelCheck& check) {
    QStringList parts;
    if (check.dots < kDotsNeeded)
        parts << tr("клеток с точками в столбцах и строках 2..49 всего %1, а нужно не меньше %2").arg(check.dots).arg(kDotsNeeded);
    if (check.whiteCells == 0) {
        parts << tr("в картинке нет ни одной чисто белой точки: коридор — только чисто белый "
                    "цвет (#FFFFFF), стена — только чисто чёрный (#000000)");
    }
    if (!check.openings.empty()) parts << openings(check);
    if (check.whiteCells > 0 && check.reachableDots == 0)
        parts << tr("от начальной клетки героя (столбец %1, строка %2) не дойти ни до одной точки")
                     .arg(kHeroStartCell.x())
                     .arg(kHeroStartCell.y());
    if (!parts.isEmpty()) parts << notes(check);
    return parts.join(QStringLiteral("; "));
}

QString LevelMessages::shortFile(FileFault fault) {
    switch (fault) {
    case FileFault::missing: return tr("нет");
    case FileFault::noPermission: return tr("нет доступа");
    case FileFault::tooLarge: return tr("велик");
    case FileFault::failed: return tr("ошибка");
    default: return tr("не файл");
    }
}

QString LevelMessages::shortPicture(const LevelProblem& p) {
    switch (p.fault) {
    case LevelFault::file: return shortFile(p.file.fault);
    case LevelFault::tooManyPixels:
    case LevelFault::outOfMemory: return tr("велик");
    case LevelFault::notAPicture:
    case LevelFault::bmpDepth: return tr("не картинка");
    default: return tr("испорчен");
    }
}

QString LevelMessages::shortCheck(const LevelCheck& check) {
    if (!check.openings.empty()) return tr("дыра в стене");
    if (check.dots < kDotsNeeded) return tr("мало точек");
    return tr("нет пути");
}

}  // namespace

QStringList levelNotes(const LevelCheck& check) { return LevelMessages::notes(check); }

QString fileReason(const FileProblem& problem, FileUse use) { return LevelMessages::file(problem, use); }

QString levelReason(const LevelCheck& check) { return check.playable() ? QString() : LevelMessages::check(check); }

QString levelReason(const LevelPicture& picture) { return LevelMessages::picture(picture.problem); }

QString levelReason(const LevelReading& level) {
    return level.picture.ok() ? levelReason(level.check) : levelReason(level.picture);
}

QString shortLevelReason(const LevelReading& level) {
    if (!level.picture.ok()) return LevelMessages::shortPicture(level.picture.problem);
    return level.check.playable() ? QString() : LevelMessages::shortCheck(level.check);
}

}  // namespace krivol
