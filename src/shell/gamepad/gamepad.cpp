#include "shell/gamepad/gamepad.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <algorithm>
#include <cstdio>

#include "files/local_path.h"
#include "files/module_entry.h"
#include "shell/first_paint.h"
#include "shell/form1.h"

namespace krivol {

namespace {

constexpr int kIdlePollMs = 16;
constexpr int kLineShownMs = 4000;

}  // namespace

std::unique_ptr<PadSource> loadPads(const QString& programFolder) {
    QString why;
    std::unique_ptr<PadSource> pads;
    if (const auto open = reinterpret_cast<OpenPads>(
            moduleEntry(programFolder, QStringLiteral("krivol-gamepad"), kOpenPadsSymbol, why)))
        open(pads, why);
    if (!pads)
        std::fprintf(stderr, "krivol: no gamepad: the gamepad module krivol-gamepad.so: %s\n",
                     why.toLocal8Bit().constData());
    return pads;
}

Gamepad::Gamepad(Form1& form) : form_(form) {
    idle_.setInterval(kIdlePollMs);
    QObject::connect(&idle_, &QTimer::timeout, &idle_, [this] { poll(); });
    lineShown_.setSingleShot(true);
    lineShown_.setInterval(kLineShownMs);
    afterFirstPaint(form, waiting_, [this] { loadModule(); });
}

Gamepad::~Gamepad() = default;

void Gamepad::open(std::unique_ptr<PadSource> source) {
    source_ = std::move(source);
    startIdle();
}

void Gamepad::loadModule() {
    if (!source_) open(loadPads(programFolder()));
}

void Gamepad::startIdle() {
    if (source_ && !form_.round().running()) idle_.start();
}

void Gamepad::tickPlayed(RoundEnd end) {
    // The end box is next, while the round still counts as running: it is
    // answered from the idle look.
    if (end != RoundEnd::None && source_) idle_.start();
}

void Gamepad::poll() {
    if (!source_) return;
    PadEvent event;
    while (source_->next(event)) handle(event);
}

PadMode Gamepad::mode() const {
    if (form_.inputLocked()) return PadMode::replay;
    const auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box && box->parentWidget() == &form_) return PadMode::endBox;
    return form_.round().running() ? PadMode::round : PadMode::idle;
}

// The game's window or a box of its own.
bool Gamepad::windowActive() const {
    const QWidget* active = QApplication::activeWindow();
    return active && (active == &form_ || active->parentWidget() == &form_);
}

void Gamepad::handle(const PadEvent& event) {
    if (event.kind == PadEvent::Kind::added || event.kind == PadEvent::Kind::removed) announce(event);
    for (const PadHeld::Change& change : held_.apply(event)) {
        if (change.down) pressed(change.button);
        else released(change.button);
    }
}

void Gamepad::pressed(PadButton button) {
    if (!windowActive()) return;
    const PadAction action = padAction(button, mode());
    switch (action.kind) {
    case PadAction::Kind::none: break;
    case PadAction::Kind::key: holdKey(button, action.code); break;
    case PadAction::Kind::levelStep: {
        const int level = form_.state().N_KRI + action.code;
        if (level >= 1 && level <= 3) form_.chooseLevel(level);
        break;
    }
    case PadAction::Kind::start:
        // Queued: a level that cannot be played opens a box, whose loop must
        // not run inside this look at the pads.
        QTimer::singleShot(0, &form_, [this] { form_.pressStart(); });
        break;
    case PadAction::Kind::closeBox: closeBox(); break;
    }
}

void Gamepad::holdKey(PadButton button, Integer code) {
    const bool already = std::find(holding_.begin(), holding_.end(), code) != holding_.end();
    holding_[static_cast<size_t>(button)] = code;
    if (!already) form_.pressKey(true, code);
}

// Whatever the window is doing now, a key the pad holds is let go as a key is.
void Gamepad::released(PadButton button) {
    Integer& code = holding_[static_cast<size_t>(button)];
    if (code == 0) return;
    const Integer was = code;
    code = 0;
    if (std::find(holding_.begin(), holding_.end(), was) == holding_.end()) form_.pressKey(false, was);
}

// Return typed into the box, through the same key handling as the keyboard's.
void Gamepad::closeBox() {
    QWidget* box = QApplication::activeModalWidget();
    if (!box) return;
    QWidget* to = box->focusWidget() ? box->focusWidget() : box;
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent key(type, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(to, &key);
    }
}

void Gamepad::announce(const PadEvent& event) {
    auto* status = form_.findChild<QLabel*>(QStringLiteral("previewStatus"));
    if (!status) return;
    if (!line_) {
        line_ = new QLabel(status->parentWidget());  // owned by the frame, over the status line
        line_->setObjectName(QStringLiteral("padLine"));
        line_->setGeometry(status->geometry());
        line_->setAlignment(status->alignment());
        QPalette colours = line_->palette();
        colours.setColor(QPalette::WindowText, QColor(64, 0, 64));
        line_->setPalette(colours);
        QObject::connect(&lineShown_, &QTimer::timeout, line_, [this, status] {
            line_->hide();
            status->show();
        });
    }
    const QString name = event.name.isEmpty() ? QStringLiteral("?") : event.name;
    const QString text = event.kind == PadEvent::Kind::added ? QCoreApplication::translate("Gamepad", "Геймпад: %1").arg(name)
                                                             : QCoreApplication::translate("Gamepad", "Геймпад отключён: %1").arg(name);
    line_->setToolTip(text);
    line_->setText(line_->fontMetrics().elidedText(text, Qt::ElideRight, line_->width()));
    status->hide();
    line_->show();
    line_->raise();
    lineShown_.start();
}

}  // namespace krivol
