#pragma once
#include <QStringList>
#include <optional>

class QCoreApplication;

namespace krivol {

// The languages the window speaks. Russian is the game's own: its texts are
// written in the sources, and English is their translation.
enum class UiLanguage { russian, english };

// `ru` or `en`, as `krivol --lang` takes it.
std::optional<UiLanguage> languageNamed(const QString& code);

// The first of the desktop's languages (QLocale::uiLanguages(), most wanted
// first) that the game has. A desktop that states no language (C, POSIX,
// nothing set) gets Russian; one whose languages the game lacks gets English,
// which more players read.
UiLanguage chooseLanguage(const QStringList& uiLanguages);
// `asked` (krivol --lang), or else the desktop's choice.
UiLanguage windowLanguage(std::optional<UiLanguage> asked);

// The game's texts and Qt's own (standard dialogs and buttons) in `language`,
// for as long as `app` lives. A translation that cannot be found leaves its
// texts as written, with one line on standard error.
void installTranslations(QCoreApplication& app, UiLanguage language);

}  // namespace krivol
