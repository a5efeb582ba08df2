// The language the window speaks under a desktop's locale settings and
// --lang: its captions, the end box and Qt's own buttons. The locale is read
// once per process, so each case runs this program again as a probe.
#include <QApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <cerrno>
#include <cstdio>
#include <gtest/gtest.h>

#include "round/end_texts.h"
#include "shell/editor/editor_window.h"
#include "shell/form1.h"
#include "shell/level_messages.h"
#include "shell/system_error_text.h"
#include "shell/ui_language.h"
#include "shell/window_options.h"

namespace krivol {
namespace {

constexpr char kProbe[] = "KRIVOL_LANGUAGE_PROBE";

// What a window shows, one text a line: Старт, the legend's first line, the
// defeat box's first line, a standard Cancel button, the editor's menus and
// the file dialog's word for a folder.
int probe(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList args{QStringLiteral("krivol")};
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    const ParsedWindowOptions parsed = parseWindowOptions(args);
    if (parsed.exitNow) return *parsed.exitNow;
    installTranslations(app, windowLanguage(parsed.options.language));
    Form1 window(DataFolders::besideProgram(QStringLiteral(KRIVOL_BIN_DIR)), 1);
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Cancel);
    QStringList seen{window.findChild<QPushButton*>(QStringLiteral("Command1"))->text(),
                           window.findChild<QWidget*>(QStringLiteral("Label2"))->property("text").toString(),
                           defeatText().section(QLatin1Char('\r'), 0, 0),
                           box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&'))};
    QTemporaryDir state;  // the editor's recovery copies go there
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    const EditorWindow editor(DataFolders::besideProgram(QStringLiteral(KRIVOL_BIN_DIR)), QString(), 1);
    QStringList menus;
    for (const QAction* menu : editor.menuBar()->actions()) menus << menu->text().remove(QLatin1Char('&'));
    seen << menus.join(QLatin1Char(' ')) << QFileIconProvider().type(QFileInfo(state.path()));
    std::fputs(seen.join(QLatin1Char('\n')).toUtf8().constData(), stdout);
    return 0;
}

struct Desktop {
    QStringList env;  // added to an environment without any locale variable
    QStringList args;
    bool english;
};

TEST(Language, FollowsTheDesktopUnlessAsked) {
    const Desktop desktops[] = {
        {{}, {}, false},
        {{"LANG=C.UTF-8"}, {}, false},
        {{"LC_ALL=POSIX"}, {}, false},
        {{"LANG=ru_RU.UTF-8"}, {}, false},
        {{"LANG=en_US.UTF-8"}, {}, true},
        {{"LANG=de_DE.UTF-8", "LANGUAGE=de:ru"}, {}, false},
        {{"LANG=de_DE.UTF-8"}, {}, true},
        {{"LANG=ru_RU.UTF-8", "LC_MESSAGES=en_GB.UTF-8"}, {}, true},
        {{"LANG=ru_RU.UTF-8"}, {"--lang", "en"}, true},
        {{"LANG=en_US.UTF-8"}, {"--lang", "ru"}, false},
    };
    const QStringList russian{"Старт", "Курсор - движение", "Вы проиграли !!!", "Отмена",
                              "Файл Правка Клетка Инструмент Зеркало Вид", "Папка"};
    const QStringList english{"Start", "Arrows - move", "You lost !!!", "Cancel", "File Edit Cell Tool Mirror View",
                              "Folder"};
    for (const Desktop& d : desktops) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) env.remove(QLatin1String(name));
        for (const QString& setting : d.env) env.insert(setting.section('=', 0, 0), setting.section('=', 1));
        env.insert(QLatin1String(kProbe), QStringLiteral("1"));
        QProcess child;
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), d.args);
        ASSERT_TRUE(child.waitForFinished(60000));
        const QString seen = QString::fromUtf8(child.readAllStandardOutput());
        EXPECT_EQ(seen.toStdString(), (d.english ? english : russian).join('\n').toStdString())
            << d.env.join(' ').toStdString() << ' ' << d.args.join(' ').toStdString() << "\n"
            << child.readAllStandardError().toStdString();
    }
}

TEST(Language, FirstKnownTagWins) {
    const std::pair<QStringList, UiLanguage> cases[] = {
        {{"C"}, UiLanguage::russian},
        {{}, UiLanguage::russian},
        {{"de-DE", "de"}, UiLanguage::english},
        {{"fr", "EN-us"}, UiLanguage::english},
        {{"uk-UA", "ru-RU", "en"}, UiLanguage::russian},
        {{"en-GB", "ru"}, UiLanguage::english},
    };
    for (const auto& [tags, language] : cases) EXPECT_EQ(chooseLanguage(tags), language) << tags.join(',').toStdString();
}

// The system's words never reach a window as English in a Russian one.
TEST(Language, SystemErrorsInTheWindowsLanguage) {
    struct Case {
        FileProblem problem;
        const char *russian, *english;
    };
    const Case cases[] = {
        {{FileFault::writeFailed, 0, "Read-only file system", EROFS}, "файловая система только для чтения",
         "read-only file system"},
        {{FileFault::failed, 0, "Too many levels of symbolic links", ELOOP}, "слишком много символических ссылок",
         "too many symbolic links"},
        {{FileFault::writeFailed, 0, "File too large", EFBIG}, "файл слишком велик", "file too large"},
        {{FileFault::failed, 0, "Protocol error", EPROTO}, "системная ошибка, код 71", "system error, code 71"},
        {{FileFault::failed, 0, "not open"}, "not open", "not open"},
    };
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral("krivol_en"), QStringLiteral(":/i18n")));
    for (const Case& c : cases) {
        EXPECT_EQ(systemErrorText(c.problem).toStdString(), c.russian);
        QCoreApplication::installTranslator(&english);
        EXPECT_EQ(systemErrorText(c.problem).toStdString(), c.english);
        QCoreApplication::removeTranslator(&english);
    }
    EXPECT_EQ(writeProblem(EROFS).error, EROFS);
}

// A count of 1, 2, 5, 11 or 21 takes the form each language gives it.
TEST(Language, PluralsInBothLanguages) {
    struct Case {
        int count;
        const char *russian, *english;
    };
    const Case cases[] = {
        {1, "в картинке 1 почти, но не совсем чёрная точка, и", "the picture has 1 nearly, but not quite, black pixel, which"},
        {2, "в картинке 2 почти, но не совсем чёрные точки, и", "the picture has 2 nearly, but not quite, black pixels, which"},
        {5, "в картинке 5 почти, но не совсем чёрных точек, и", "the picture has 5 nearly, but not quite, black pixels, which"},
        {11, "в картинке 11 почти, но не совсем чёрных точек, и", "the picture has 11 nearly, but not quite, black pixels, which"},
        {21, "в картинке 21 почти, но не совсем чёрная точка, и", "the picture has 21 nearly, but not quite, black pixels, which"},
    };
    for (const bool russian : {true, false}) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QLatin1String(russian ? "krivol_ru" : "krivol_en"), QStringLiteral(":/i18n")));
        QCoreApplication::installTranslator(&translator);
        for (const Case& c : cases) {
            LevelCheck check;
            check.near.black = c.count;
            const QString said = levelNotes(check).value(0);
            EXPECT_TRUE(said.startsWith(QString::fromUtf8(russian ? c.russian : c.english))) << said.toStdString();
        }
        EXPECT_EQ(fileReason(FileProblem(FileFault::tooLarge, 22)).toStdString(),
                  russian ? "файл слишком велик (22 байта)" : "the file is too large (22 bytes)");
        QCoreApplication::removeTranslator(&translator);
    }
}

}  // namespace
}  // namespace krivol

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsEmpty(krivol::kProbe)) return krivol::probe(argc, argv);
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
