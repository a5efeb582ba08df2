#include "files/module_entry.h"

#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

#include "state/build_info.h"

namespace krivol {

namespace {

QStringList modulePaths(const QString& programFolder, const QString& name) {
    const QString file = QLatin1Char('/') + name + QStringLiteral(".so");
    return {programFolder + file, programFolder + QLatin1Char('/') + QLatin1String(build::kModulesFromBin) + file};
}

}  // namespace

QFunctionPointer moduleEntry(const QString& programFolder, const QString& name, const char* symbol, QString& why) {
    why = QStringLiteral("not found");
    for (const QString& path : modulePaths(programFolder, name)) {
        QLibrary module(path);  // stays loaded for as long as the program runs
        // A library it needs that lacks a symbol fails the load here, not the program later.
        module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (module.load()) {
            if (const QFunctionPointer entry = module.resolve(symbol)) return entry;
        }
        if (QFileInfo::exists(path)) why = module.errorString();
    }
    return nullptr;
}

}  // namespace krivol
