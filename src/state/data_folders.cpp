#include "state/data_folders.h"

#include <sys/stat.h>

#include <QDir>

#include "files/local_path.h"
#include "files/regular_file.h"
#include "state/build_info.h"
#include "state/level.h"

namespace krivol {

namespace {

// Where a Debian package puts a game's data, seen from /usr/games.
constexpr char kDebianDataFromGames[] = "../share/games/krivol";

// Anything at all at a folder's name counts, a FIFO or a dangling link too:
// the loader then says what is wrong with it.
QString firstHaving(const QStringList& folders, const QString& fallback, const QString& name) {
    for (const QString& folder : folders) {
        if (folder.isEmpty()) continue;
        QString path = folder + QLatin1Char('/') + name;
        if (pathExists(path)) return path;
    }
    return fallback + QLatin1Char('/') + name;
}

// By the name's bytes: QFileInfo would lose a name that is not UTF-8.
bool isFolder(const QString& path) {
    struct stat st {};
    return ::stat(pathToLocal(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

DataFolders::DataFolders(QString programFolder) : program_(std::move(programFolder)) {}

DataFolders::DataFolders(QString programFolder, QStringList installedFolders)
    : program_(std::move(programFolder)), installed_(std::move(installedFolders)) {}

DataFolders DataFolders::besideProgram(const QString& programFolder) {
    QStringList installed;
    for (const char* relative : {build::kDataFromBin, kDebianDataFromGames})
        installed << QDir::cleanPath(programFolder + QLatin1Char('/') + QLatin1String(relative));
    installed.removeDuplicates();
    return {programFolder, installed};
}

QString DataFolders::preferLevelsFrom(const QString& folder) {
    if (!isFolder(folder)) return QStringLiteral("--levels: %1 is not a folder").arg(folder);
    levels_ = QDir::cleanPath(folder);
    return {};
}

QString DataFolders::levelFile(int N_KRI) const { return levelFile(levelFileName(N_KRI)); }

QString DataFolders::levelFile(const QString& name) const {
    return firstHaving(QStringList{levels_, program_} + installed_, program_, name);
}

QString DataFolders::soundFile(const QString& name) const {
    return firstHaving(QStringList{program_} + installed_, program_, name);
}

}  // namespace krivol
