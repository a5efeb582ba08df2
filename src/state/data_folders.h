#pragma once
#include <QString>
#include <QStringList>

namespace krivol {

// Where the levels and sounds are looked for, in order: a player's own folder
// of levels (--levels; levels only), the program's folder, then the installed
// data folder (../share/krivol from the program, or ../share/games/krivol
// where a Debian package keeps a game's data beside /usr/games). The first folder that has the file wins, whatever the file is:
// the loader then says what is wrong with it. A file found nowhere is named in
// the program's folder, so messages point where a player expects it.
class DataFolders {
public:
    // A lone folder holds everything, as a build folder or a copied game does.
    DataFolders() = default;  // no folders: nothing is found
    // Implicit: wherever one folder was enough, it still is.
    DataFolders(QString programFolder);
    DataFolders(const char* programFolder) : DataFolders(QString::fromUtf8(programFolder)) {}
    DataFolders(QString programFolder, QStringList installedFolders);

    // The game as started from `programFolder`, with the installed data
    // folder placed where the install rules put it relative to the programs.
    static DataFolders besideProgram(const QString& programFolder);

    // Levels come from `folder` first (relative to the working folder when
    // relative). An error, and no change, when it is not a folder.
    QString preferLevelsFrom(const QString& folder);

    QString levelFile(int N_KRI) const;
    QString levelFile(const QString& name) const;  // a level file's bare name
    QString soundFile(const QString& name) const;

private:
    QString levels_;
    QString program_;
    QStringList installed_;
};

}  // namespace krivol
