#include "shell/ui_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <memory>

#include "files/local_path.h"

namespace krivol {

namespace {

struct Known {
    const char* code;
    UiLanguage language;
};
constexpr Known kKnown[] = {{"ru", UiLanguage::russian}, {"en", UiLanguage::english}};

const char* codeOf(UiLanguage language) {
    for (const Known& k : kKnown)
        if (k.language == language) return k.code;
    return "ru";
}

void load(QCoreApplication& app, const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder)) {
        std::fprintf(stderr, "krivol: no translation %s in %s\n", qPrintable(name), pathToLocal(folder).constData());
        return;
    }
    translator->setParent(&app);  // lives as long as the application
    QCoreApplication::installTranslator(translator.release());
}

}  // namespace

std::optional<UiLanguage> languageNamed(const QString& code) {
    for (const Known& k : kKnown)
        if (code == QLatin1String(k.code)) return k.language;
    return std::nullopt;
}

UiLanguage chooseLanguage(const QStringList& uiLanguages) {
    for (const QString& tag : uiLanguages) {
        if (tag == QLatin1String("C") || tag == QLatin1String("POSIX")) return UiLanguage::russian;
        if (const auto known = languageNamed(tag.section(QLatin1Char('-'), 0, 0).toLower())) return *known;
    }
    return uiLanguages.isEmpty() ? UiLanguage::russian : UiLanguage::english;
}

UiLanguage windowLanguage(std::optional<UiLanguage> asked) {
    return asked.value_or(chooseLanguage(QLocale::system().uiLanguages()));
}

void installTranslations(QCoreApplication& app, UiLanguage language) {
    const QString code = QLatin1String(codeOf(language));
    // The game's own texts are Russian already, Qt's are English.
    if (language != UiLanguage::russian) load(app, QStringLiteral("krivol_") + code, QStringLiteral(":/i18n"));
    if (language != UiLanguage::english)
        load(app, QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace krivol
