#include "shell/display_start.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "shell/last_words.h"

namespace krivol {

namespace {

[[noreturn]] void leaveWithoutDisplay() {
    std::fputs("krivol: the game needs a graphical display "
               "(DISPLAY or WAYLAND_DISPLAY not set or not reachable)\n",
               stderr);
    std::fflush(stderr);
    // Qt is half-way through starting; running its exit handlers now could crash.
    std::_Exit(1);
}

bool displayConfigured() {
    // QT_QPA_PLATFORM may name a platform that needs no display (offscreen);
    // Qt decides then, and a failure still reaches the handler below.
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// While Qt connects to the display, its messages are held back: on failure it
// first warns about the connection and the plugin, then gives up with a fatal
// message, and the player is to see one line, not three.
struct HeldMessage {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};

// Qt's message handler is a plain function, so what it holds has to be reachable
// without an object; it lives only while openDisplay() runs.
struct Holding {
    QtMessageHandler previous = nullptr;
    std::vector<HeldMessage> messages;
};
Holding* holding = nullptr;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) leaveWithoutDisplay();
    holding->messages.push_back({type, context.file, context.function, context.category, context.line, text});
}

void passOn(const Holding& held) {
    if (!held.previous) return;
    for (const HeldMessage& m : held.messages) {
        const QMessageLogContext context(m.file.constData(), m.line, m.function.constData(), m.category.constData());
        held.previous(m.type, context, m.text);
    }
}

// Qt's Wayland plugin ends the process with _exit() right after saying that
// the compositor is gone, so that message is the last chance to close files.
// (Its X11 plugin calls exit(), which the exit handler covers.)
QtMessageHandler beforeLoss = nullptr;

void watchForLoss(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("The Wayland connection"))) LastWords::sayAllFromAnyThread();
    if (beforeLoss) beforeLoss(type, context, text);
}

}  // namespace

std::unique_ptr<QApplication> openDisplay(int& argc, char** argv) {
    if (!displayConfigured()) leaveWithoutDisplay();
    Holding held;
    holding = &held;
    held.previous = qInstallMessageHandler(holdMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(held.previous);
    holding = nullptr;
    passOn(held);
    LastWords::sayAllOnExit();
    beforeLoss = qInstallMessageHandler(watchForLoss);
    return app;
}

int closeDisplay(std::unique_ptr<QApplication> app, int code) {
    LastWords::sayAll();
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        std::fflush(nullptr);
        std::_Exit(code);
    }
    app.reset();
    return code;
}

}  // namespace krivol
