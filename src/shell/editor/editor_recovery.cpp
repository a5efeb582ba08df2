#include "shell/editor/editor_recovery.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include "files/local_path.h"
#include "shell/editor/editor_question.h"
#include "shell/editor/editor_text.h"
#include "shell/level_messages.h"

namespace krivol {

namespace {

// Soon enough that little is lost; a pen stroke a second is still one write.
constexpr int kCopyDelayMs = 1500;

QString damageText(const SkippedCopy& s) {
    if (s.problem) return fileReason(s.problem);
    switch (s.damage) {
    case CopyDamage::foreign: return EditorText::tr("это не копия уровня");
    case CopyDamage::cut: return EditorText::tr("файл обрывается");
    case CopyDamage::badLine: return EditorText::tr("испорчена строка %1").arg(s.line);
    case CopyDamage::none: break;
    }
    return {};
}

QString timeText(const QDateTime& time) { return time.toLocalTime().toString(QStringLiteral("dd.MM.yyyy hh:mm")); }

QString levelName(const QString& file) {
    return file.isEmpty() ? EditorText::tr("Новый уровень") : QFileInfo(file).fileName();
}

}  // namespace

EditorRecovery::EditorRecovery(QWidget& window, LevelDraft& draft, Hooks hooks, const QString& folder)
    : window_(window), draft_(draft), hooks_(std::move(hooks)), folder_(folder.isEmpty() ? defaultFolder() : folder),
      slot_(folder_, QCoreApplication::applicationPid()) {
    timer_.setSingleShot(true);
    timer_.setInterval(kCopyDelayMs);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { writeRecoveryNow(); });
    draft_.observe(this, [this] { draftChanged(); });
    // Once the window shows, so the question has the editor behind it.
    QTimer::singleShot(0, this, [this] { offerLeftCopies(); });
}

QString EditorRecovery::defaultFolder() {
    return recoveryFolderFor(pathFromLocal(qgetenv("XDG_STATE_HOME")), QDir::homePath());
}

// Off the stroke: a stroke only starts the timer, and later ones within its
// time ride along with the same write.
void EditorRecovery::draftChanged() {
    if (!draft_.modified()) {
        timer_.stop();
        slot_.remove();
    } else if (!timer_.isActive()) {
        timer_.start();
    }
}

void EditorRecovery::writeRecoveryNow() {
    timer_.stop();
    if (!draft_.modified()) return;  // a stroke under way is already a step
    const RecoveryCopy copy{draft_.grid(), hooks_.file(), hooks_.savesInPlace(), QDateTime::currentDateTimeUtc()};
    const FileProblem problem = slot_.write(copy);
    if (!problem || failureNoted_) return;
    failureNoted_ = true;  // once: the drawing goes on without a copy
    hooks_.note(EditorText::tr("Копия для восстановления не записывается в %1: %2. Сохраняйте уровень сами.")
                    .arg(folder_, fileReason(problem, FileUse::write)));
}

void EditorRecovery::forget() {
    timer_.stop();
    slot_.remove();
}

void EditorRecovery::offerLeftCopies() {
    FoundCopies found = findLeftCopies(folder_);
    QString note = skippedNote(found.skipped);
    for (FoundCopy& left : found.copies) {
        const Answer answer = ask(left);
        if (answer == Answer::keep) continue;
        if (answer == Answer::restore) {
            hooks_.restore(left.copy);
            writeRecoveryNow();  // this editor's own copy first, then the old one goes
            note = EditorText::tr("Уровень восстановлен из копии от %1 и ещё не сохранён. %2")
                       .arg(timeText(left.copy.written), note);
        }
        removeFound(left);
        if (answer == Answer::restore) break;
    }
    if (!note.isEmpty()) hooks_.note(note.trimmed());
}

QString EditorRecovery::skippedNote(const std::vector<SkippedCopy>& skipped) const {
    if (skipped.empty()) return {};
    QStringList names;
    for (const SkippedCopy& s : skipped) names << QStringLiteral("%1 (%2)").arg(QFileInfo(s.path).fileName(), damageText(s));
    return EditorText::tr("В папке копий %1 пропущены файлы: %2.").arg(folder_, names.join(QStringLiteral(", ")));
}

EditorRecovery::Answer EditorRecovery::ask(const FoundCopy& found) {
    const Question q{"recoveryBox",
                     EditorText::tr("Редактор закрылся, не сохранив уровень «%1». Осталась его копия от %2. "
                                    "Восстановить её?")
                         .arg(levelName(found.copy.file), timeText(found.copy.written)),
                     EditorText::tr("Восстанавливается рисунок, но не история правок: "
                                    "отменить прежние шаги будет нельзя."),
                     EditorText::tr("Восстановить"), EditorText::tr("Удалить копию"), EditorText::tr("Оставить на потом")};
    switch (krivol::ask(window_, q)) {
    case Choice::goOn: return Answer::restore;
    case Choice::destroy: return Answer::discard;
    case Choice::backOut: break;
    }
    return Answer::keep;
}

}  // namespace krivol
