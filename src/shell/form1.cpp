#include "shell/form1.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "files/local_path.h"
#include "round/startup.h"
#include "shell/form_look.h"
#include "shell/gamepad/gamepad.h"
#include "shell/first_paint.h"
#include "shell/late_sound.h"
#include "shell/level_messages.h"
#include "shell/picture_box.h"
#include "shell/sound_loader.h"
#include "state/build_info.h"

namespace krivol {

namespace {

std::unique_ptr<SoundPort> orWaveFiles(std::unique_ptr<SoundPort> sound, const DataFolders& folders, QWidget& window) {
    if (sound) return sound;
    return std::make_unique<LateSound>(window, [&folders] { return loadSound(programFolder(), folders); });
}

void centreOnScreen(QWidget& w) {
    if (const QScreen* screen = w.screen()) w.move(screen->availableGeometry().center() - w.rect().center());
}

}  // namespace

Form1::Form1(const DataFolders& folders, std::uint32_t seed, std::unique_ptr<SoundPort> sound)
    : folders_(folders),
      rnd_(seed),
      pics_(makeSurfaces()),
      sound_(orWaveFiles(std::move(sound), folders_, *this)),
      c_(buildControls(*this, pics_)),
      labels_(*c_.Label1, *c_.Lab_P),
      screen_(*c_.Pic1, *c_.PicLOAD),
      dialogs_(*this),
      game_{s_, pics_, rnd_, Ports{*sound_, labels_, screen_}},
      round_(game_, folders_),
      driver_(round_, s_, dialogs_, watchers_),
      keys_(s_, round_, watchers_) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Krivol v") + QLatin1String(build::kVersion));
    // The icon is drawn at seven sizes, which the first frame does not need.
    afterFirstPaint(*this, *this, [this] { setWindowIcon(gameIcon()); });
    QPalette face = palette();  // button face, as the legend pictures' background
    face.setColor(QPalette::Window, QColor::fromRgb(kButtonFace));
    face.setColor(QPalette::Button, QColor::fromRgb(kButtonFace));
    setPalette(face);
    setFixedSize(753, 622);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    centreOnScreen(*this);

    QObject::connect(c_.OptKriGroup, &QButtonGroup::idClicked, this, [this](int id) { OptKri_Click(id); });
    QObject::connect(c_.Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    Form_Load();
    c_.Command1->setFocus();
    pad_ = std::make_unique<Gamepad>(*this);
    addWatcher(*pad_);
}

Form1::~Form1() = default;

void Form1::Form_Load() {
    // The seed was taken by rnd_; nothing here draws from the sequence, so a
    // seed replays exactly as the headless tool plays it.
    const LevelReading level = startUp(game_, folders_);
    c_.PicS->move(-50, c_.PicS->y());
    c_.PicS->hide();
    c_.Pic_inf->refreshAll();
    showLevelProblem(level);
}

void Form1::OptKri_Click(int index) {
    showLevelProblem(krivol::chooseLevel(game_, folders_, static_cast<Integer>(index)));
    watchers_.levelChosen(index);
}

void Form1::Command1_Click() {
    if (round_.running()) return;  // no round inside a round
    const StartResult result = driver_.start();
    if (!result.started && result.error.isEmpty()) return;  // refused before the level was looked at
    showLevelProblem(result.level);
    if (result.started) return;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("krivol"),
                    QCoreApplication::translate("Form1", "Уровень не загружен.\n\n%1: %2").arg(s_.nam_kri, levelReason(result.level)),
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("levelErrorBox"));
    box.exec();
}

void Form1::showLevelProblem(const LevelReading& level) {
    QLabel& status = *c_.previewStatus;
    const QString reason = levelReason(level);
    const QString tip = reason.isEmpty() ? QString() : QStringLiteral("%1: %2").arg(s_.nam_kri, reason);
    c_.PicLOAD->setToolTip(tip);
    status.setToolTip(tip);
    if (reason.isEmpty()) {
        status.clear();
        return;
    }
    // The reason matters most; the file's name follows when there is room.
    QString line = shortLevelReason(level) + QStringLiteral(": ") + QFileInfo(s_.nam_kri).fileName();
    if (status.fontMetrics().horizontalAdvance(line) > status.width()) line = shortLevelReason(level);
    status.setText(status.fontMetrics().elidedText(line, Qt::ElideRight, status.width()));
}

void Form1::lockPlayerInput() {
    keys_.setIgnored(true);
    for (QRadioButton* option : c_.OptKri) option->setEnabled(false);
    c_.Command1->setEnabled(false);
}

void Form1::chooseLevel(int index) {
    c_.OptKri[static_cast<size_t>(index)]->setChecked(true);
    OptKri_Click(index);
}

void Form1::pressStart() { Command1_Click(); }

void Form1::stopRounds() { driver_.stop(); }

void Form1::showNote(const QString& text, bool trouble) {
    if (!note_) {
        note_ = new QLabel(this);  // owned by the window
        note_->setObjectName(QStringLiteral("noteLine"));
        note_->setGeometry(5, 562, 140, 56);
        note_->setWordWrap(true);
        note_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    QPalette colours = note_->palette();
    colours.setColor(QPalette::WindowText, trouble ? QColor(176, 0, 0) : QColor(64, 0, 64));
    note_->setPalette(colours);
    note_->setToolTip(text);
    note_->setText(text);
    note_->show();
}

void Form1::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void Form1::Form_Unload() {
    watchers_.windowClosing();
    s_.g_over = 1;
    sound_->WAV(QString());
    driver_.stop();
    if (closed_) closed_();
    else QCoreApplication::quit();
}

}  // namespace krivol
