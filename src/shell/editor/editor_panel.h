#pragma once
#include <QWidget>
#include <cstdint>
#include <functional>

#include "editor/level_draft.h"

class QLabel;
class QLineEdit;

namespace krivol {

class EditorCanvas;

// The column beside the canvas: the check of the draft and the cell under
// the cursor, both kept up to date by the draft and the canvas themselves,
// the seed of a random maze, and a note of what the last file action did.
class EditorPanel : public QWidget {
public:
    EditorPanel(const LevelDraft& draft, EditorCanvas& canvas, QWidget* parent);

    void showNote(const QString& note);
    void showSeed(std::uint32_t seed);
    QString text() const;  // the check and the note

    std::function<void(std::uint32_t)> seedChosen;
    std::function<void(const QString& title, const QString& text)> warn;

private:
    void refreshCheck();
    void refreshCursor();

    const LevelDraft& draft_;
    EditorCanvas& canvas_;
    QLabel* check_ = nullptr;
    QLabel* cursor_ = nullptr;
    QLabel* note_ = nullptr;
    QLineEdit* seedEdit_ = nullptr;
};

}  // namespace krivol
