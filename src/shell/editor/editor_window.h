#pragma once
#include <QMainWindow>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>
#include <optional>

#include "editor/level_draft.h"
#include "mazegen/maze_style.h"
#include "state/data_folders.h"

namespace krivol {

class EditorCanvas;
class EditorPanel;
class EditorRecovery;
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
    void randomMaze();                    // Ctrl+R: asks the style, takes a fresh seed
    void randomMaze(std::uint32_t seed);  // the panel's seed, in the last style asked
    void setMazeStyle(MazeStyle style) { mazeStyle_ = style; }
    void importPicture();                 // Ctrl+I
    bool importFile(const QString& path);
    EditorRecovery& recovery() { return *recovery_; }

    // Ends the editor at once, asking nothing and saving nothing but the
    // recovery copy of unsaved changes; a test play ends with it.
    void leaveNow();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void updateTitle();
    // Asks whether to save unsaved changes; false when the player goes back.
    bool maySetAside();
    void endPlay();
    void warn(const QString& title, const QString& text);

    DataFolders folders_;
    std::optional<std::uint32_t> seed_;
    LevelDraft draft_;
    EditorCanvas* canvas_ = nullptr;
    EditorPanel* panel_ = nullptr;
    QString file_;
    bool savesInPlace_ = false;
    bool leaving_ = false;
    MazeStyle mazeStyle_ = MazeStyle::classic;  // the last one asked, while the editor runs
    std::unique_ptr<QTemporaryDir> playFolder_;
    std::unique_ptr<Form1> game_;
    std::unique_ptr<EditorRecovery> recovery_;
};

}  // namespace krivol
