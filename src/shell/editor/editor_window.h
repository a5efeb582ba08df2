#pragma once
#include <QMainWindow>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>
#include <optional>

#include "editor/level_draft.h"
#include "state/data_folders.h"

class QLabel;
class QLineEdit;
class QActionGroup;

namespace krivol {

class EditorCanvas;
class Form1;

// The level editor, `krivol --edit [FILE]`: a draft level on a canvas, the
// game's check beside it, files, a random maze, and a test play in the
// game's own window.
class EditorWindow : public QMainWindow {
public:
    // `file`: the level to edit; one that does not exist yet is a new level
    // saved there. Empty: a new level, saved where the player chooses.
    // `folders` are the game's, for a test play; `seed` seeds every test play.
    EditorWindow(const DataFolders& folders, const QString& file, std::optional<std::uint32_t> seed);
    ~EditorWindow() override;

    // For tests and tools looking in.
    LevelDraft& draft() { return draft_; }
    EditorCanvas& canvas() { return *canvas_; }
    QString file() const { return file_; }
    Form1* game() { return game_.get(); }
    QString panelText() const;

    // The file actions, also without their dialogs.
    bool openFile(const QString& path);
    bool saveTo(const QString& path);
    bool save();      // Ctrl+S
    bool saveAs();    // Ctrl+Shift+S
    void newLevel();  // Ctrl+N
    void open();      // Ctrl+O
    void play();      // F5
    void randomMaze(std::uint32_t seed);  // Ctrl+R with a fresh seed
    void importPicture();                 // Ctrl+I
    bool importFile(const QString& path);
    // Closes without asking, a test play with it: the program is ending.
    void leaveNow();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QWidget* buildPanel();
    void edited();
    void showCursor();
    void showNote(const QString& note);
    void updateTitle();
    // Asks whether to save unsaved changes; false when the player goes back.
    bool maySetAside();
    void endPlay();
    void trouble(const QString& title, const QString& text);
    static std::uint32_t freshSeed();

    DataFolders folders_;
    std::optional<std::uint32_t> seed_;
    LevelDraft draft_;
    EditorCanvas* canvas_ = nullptr;
    QLabel* check_ = nullptr;
    QLabel* cursor_ = nullptr;
    QLabel* note_ = nullptr;
    QLineEdit* seedEdit_ = nullptr;
    QString file_;
    bool savesInPlace_ = false;
    bool leavingNow_ = false;
    std::unique_ptr<QTemporaryDir> playFolder_;
    std::unique_ptr<Form1> game_;
};

}  // namespace krivol
