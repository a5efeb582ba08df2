#pragma once
#include <QObject>
#include <QTimer>
#include <functional>

#include "editor/level_draft.h"
#include "editor/recovery_copy.h"

class QWidget;

namespace krivol {

// Keeps a recovery copy of the draft while it has unsaved changes, and at
// start-up offers the copies that editors which died left behind.
class EditorRecovery : public QObject {
public:
    struct Hooks {
        std::function<QString()> file;           // the level the draft belongs to
        std::function<bool()> savesInPlace;
        std::function<void(const QString&)> note;  // one line for the panel
        // Puts a copy in the draft as an unsaved change, with its file.
        std::function<void(const RecoveryCopy&)> restore;
    };
    // `folder`: where the copies live; empty for $XDG_STATE_HOME/krivol.
    EditorRecovery(QWidget& window, LevelDraft& draft, Hooks hooks, const QString& folder = {});

    // For an editor about to end without asking: the copy now, when there
    // are unsaved changes.
    void writeRecoveryNow();
    // "Не сохранять": the changes are given up, and their copy with them.
    void forget();
    // Asks about each copy left by an editor that is gone, newest first,
    // until one is restored.
    void offerLeftCopies();

    static QString defaultFolder();
    QString copyPath() const { return slot_.copyPath(); }
    bool hasCopy() const { return slot_.hasCopy(); }

private:
    void draftChanged();
    QString skippedNote(const std::vector<SkippedCopy>& skipped) const;
    enum class Answer { restore, discard, keep };
    Answer ask(const FoundCopy& found);

    QWidget& window_;
    LevelDraft& draft_;
    Hooks hooks_;
    QString folder_;
    RecoverySlot slot_;
    QTimer timer_;
    bool failureNoted_ = false;
};

}  // namespace krivol
