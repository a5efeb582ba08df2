#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace krivol {

// A Linux file name is bytes. Qt reads them as UTF-8 and turns every byte that
// is not into U+FFFD, after which the file can no longer be named. These carry
// such a byte as the lone surrogate U+DC80 + byte instead (no real name holds
// one) and give the very bytes back when the file is opened or printed.
QString pathFromLocal(const QByteArray& bytes);
QByteArray pathToLocal(const QString& path);

// The program's arguments with every byte kept.
QStringList argumentsFromArgv(int argc, char** argv);

// The folder of the running program (links resolved), or "" if the system
// will not say.
QString programFolder();

}  // namespace krivol
