#include "shell/ui_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <memory>
#include <utility>

#include "files/local_path.h"

namespace krivol {

namespace {

struct Known {
    const char* code;
    UiLanguage language;
};
constexpr Known kKnown[] = {{"ru", UiLanguage::russian}, {"en", UiLanguage::english}};

// Qt's own texts that Debian's Russian translation of Qt 6.4 lacks: the file
// dialog's type column. Qt asks for them in this context, in English.
class RussianQtGaps : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        static constexpr std::pair<const char*, const char*> kWords[] = {{"Folder", "Папка"}, {"Drive", "Диск"}};
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0) return {};
        for (const auto& [english, russian] : kWords)
            if (qstrcmp(source, english) == 0) return QString::fromUtf8(russian);
        return {};
    }
};

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
    // The game's own texts are Russian already, Qt's are English; Russian's
    // file gives the plural forms.
    load(app, QStringLiteral("krivol_") + code, QStringLiteral(":/i18n"));
    if (language != UiLanguage::english)
        load(app, QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (language == UiLanguage::russian) {
        auto gaps = std::make_unique<RussianQtGaps>();
        gaps->setParent(&app);
        QCoreApplication::installTranslator(gaps.release());
    }
}

}  // namespace krivol
