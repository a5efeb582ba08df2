#include "shell/system_error_text.h"

#include <QCoreApplication>
#include <cerrno>

namespace krivol {

namespace {

struct Words {
    int error;
    const char* text;
};

// The ones a game that reads and writes files meets; not all reach here, as
// the commonest have a fault of their own, but the table does not assume it.
constexpr Words kWords[] = {
    {ENOENT, QT_TRANSLATE_NOOP("SystemError", "такого файла нет")},
    {EACCES, QT_TRANSLATE_NOOP("SystemError", "нет доступа")},
    {EPERM, QT_TRANSLATE_NOOP("SystemError", "действие запрещено")},
    {ENOSPC, QT_TRANSLATE_NOOP("SystemError", "на диске нет места")},
    {EDQUOT, QT_TRANSLATE_NOOP("SystemError", "исчерпана квота на диске")},
    {EISDIR, QT_TRANSLATE_NOOP("SystemError", "это папка")},
    {ENOTDIR, QT_TRANSLATE_NOOP("SystemError", "часть пути — не папка")},
    {EROFS, QT_TRANSLATE_NOOP("SystemError", "файловая система только для чтения")},
    {ELOOP, QT_TRANSLATE_NOOP("SystemError", "слишком много символических ссылок")},
    {EMLINK, QT_TRANSLATE_NOOP("SystemError", "слишком много ссылок")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("SystemError", "слишком длинное имя файла")},
    {EEXIST, QT_TRANSLATE_NOOP("SystemError", "файл уже есть")},
    {EFBIG, QT_TRANSLATE_NOOP("SystemError", "файл слишком велик")},
    {EIO, QT_TRANSLATE_NOOP("SystemError", "ошибка ввода-вывода")},
    {EBUSY, QT_TRANSLATE_NOOP("SystemError", "файл занят")},
    {ETXTBSY, QT_TRANSLATE_NOOP("SystemError", "файл занят")},
    {EMFILE, QT_TRANSLATE_NOOP("SystemError", "открыто слишком много файлов")},
    {ENFILE, QT_TRANSLATE_NOOP("SystemError", "открыто слишком много файлов")},
    {ENOMEM, QT_TRANSLATE_NOOP("SystemError", "не хватает памяти")},
    {EXDEV, QT_TRANSLATE_NOOP("SystemError", "файл на другом диске")},
    {ENXIO, QT_TRANSLATE_NOOP("SystemError", "устройства нет")},
    {ENODEV, QT_TRANSLATE_NOOP("SystemError", "устройства нет")},
    {EAGAIN, QT_TRANSLATE_NOOP("SystemError", "файл временно недоступен")},
    {EINTR, QT_TRANSLATE_NOOP("SystemError", "прервано сигналом")},
    {EINVAL, QT_TRANSLATE_NOOP("SystemError", "недопустимое действие с файлом")},
    {ESTALE, QT_TRANSLATE_NOOP("SystemError", "сетевой файл больше недоступен")},
};

}  // namespace

QString systemErrorText(const FileProblem& problem) {
    if (problem.error == 0) return problem.detail;
    for (const Words& w : kWords)
        if (w.error == problem.error) return QCoreApplication::translate("SystemError", w.text);
    return QCoreApplication::translate("SystemError", "системная ошибка, код %1").arg(problem.error);
}

}  // namespace krivol
