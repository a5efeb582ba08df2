#include "shell/form_controls.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <utility>

#include "render/counter_look.h"
#include "render/surfaces.h"
#include "shell/form_look.h"
#include "shell/frame_box.h"
#include "shell/picture_box.h"

namespace krivol {

namespace {

struct Place {
    const char* name;
    int x, y, w, h;
};

// The designer's places in pixels; a control inside a frame is placed
// relative to the frame. PicS moves out of sight at start-up. The counters
// take their size from their look.
constexpr Place kPlaces[] = {
    {"Frame2", 5, 364, 140, 194},   {"Pic_inf", 7, 67, 12, 120},   {"Label9", 23, 142, 94, 28},
    {"Label8", 23, 119, 94, 18},    {"Label7", 23, 84, 74, 29},    {"Label6", 23, 66, 102, 18},
    {"Label5", 21, 35, 94, 18},     {"Label2", 20, 19, 97, 18},    {"PicG", -50, 360, 12, 51},
    {"PicM", -50, 361, 12, 51},     {"PicMM", -50, 362, 12, 51},   {"PicS", 130, 235, 12, 120},
    {"Frame1", 17, 9, 121, 181},    {"PicLOAD", 32, 114, 52, 52},  {"OptKri(3)", 11, 81, 86, 16},
    {"OptKri(2)", 11, 59, 86, 16},  {"OptKri(1)", 11, 37, 86, 16}, {"OptKri(0)", 11, 16, 86, 16},
    {"PicBUF", -630, 41, 602, 602}, {"Command1", 38, 200, 83, 21}, {"Pic1", 150, 8, 602, 602},
    {"Label4", 47, 290, 59, 16},    {"Label3", 52, 235, 47, 16},   {"Lab_P", 40, 311, 0, 0},
    {"Label1", 30, 254, 0, 0},
};

// Not a designer control: the line under the preview inside Frame1.
constexpr Place kPreviewStatus{"previewStatus", 3, 166, 115, 13};

// The window's texts are Russian in the sources, marked with their context
// for the translations, and translated where a control takes them.
QString translated(const char* text) { return QCoreApplication::translate("Form1", text); }

void place(QWidget& w, const Place& p) { w.setGeometry(p.x, p.y, p.w, p.h); }

void place(QWidget& w) {
    for (const Place& p : kPlaces) {
        if (w.objectName() == QLatin1String(p.name)) return place(w, p);
    }
}

// A control owned by its container, named and placed after the designer.
template <class W, class... Args>
W* make(QWidget* container, const char* name, Args&&... args) {
    auto* w = new W(std::forward<Args>(args)..., container);
    w->setObjectName(QLatin1String(name));
    place(*w);
    return w;
}

QLabel* makeLabel(QWidget* container, const char* name, const QString& caption) {
    auto* label = make<QLabel>(container, name, caption);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);  // a caption too wide for its box goes on at the next line
    return label;
}

PictureBox* makeHiddenBox(QWidget* container, const char* name, const QImage& image, bool bordered) {
    auto* box = make<PictureBox>(container, name, image, bordered);
    box->hide();  // a picture source or buffer, never shown
    return box;
}

void buildLegend(QWidget& form, const Surfaces& pics, FormControls& c) {
    auto* frame = make<FrameBox>(&form, "Frame2", translated(QT_TRANSLATE_NOOP("Form1", "Информация")));
    c.Pic_inf = make<PictureBox>(frame, "Pic_inf", pics.Pic_inf, false);
    const std::pair<const char*, const char*> captions[] = {
        {"Label9", QT_TRANSLATE_NOOP("Form1", "защита от монстров")},
        {"Label8", QT_TRANSLATE_NOOP("Form1", "патроны")},
        {"Label7", QT_TRANSLATE_NOOP("Form1", "ловушка для монстров")},
        {"Label6", QT_TRANSLATE_NOOP("Form1", "надо все собрать!")},
        {"Label5", QT_TRANSLATE_NOOP("Form1", "\"1\" - стрельба")},
        {"Label2", QT_TRANSLATE_NOOP("Form1", "Курсор - движение")},
    };
    for (const auto& [name, caption] : captions)
        setTextColour(*makeLabel(frame, name, translated(caption)), QColor(64, 0, 64));
}

void buildLevelChoice(QWidget& form, const Surfaces& pics, FormControls& c) {
    auto* frame = make<FrameBox>(&form, "Frame1", QStringLiteral("Krivol"));
    c.PicLOAD = make<PictureBox>(frame, "PicLOAD", pics.PicLOAD, false);
    c.OptKriGroup = new QButtonGroup(frame);
    const std::pair<const char*, const char*> options[] = {
        {"OptKri(0)", QT_TRANSLATE_NOOP("Form1", "Kri №1")},
        {"OptKri(1)", QT_TRANSLATE_NOOP("Form1", "Kri №1")},
        {"OptKri(2)", QT_TRANSLATE_NOOP("Form1", "Kri №2")},
        {"OptKri(3)", QT_TRANSLATE_NOOP("Form1", "Kri №3")},
    };
    for (int i = 3; i >= 0; --i) {
        const auto& [name, caption] = options[i];
        c.OptKri[static_cast<size_t>(i)] = make<QRadioButton>(frame, name, translated(caption));
        c.OptKriGroup->addButton(c.OptKri[static_cast<size_t>(i)], i);
    }
    c.OptKri[0]->hide();
    c.OptKri[1]->setChecked(true);

    c.previewStatus = make<QLabel>(frame, kPreviewStatus.name, QString());
    place(*c.previewStatus, kPreviewStatus);
    c.previewStatus->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(*c.previewStatus, QColor(176, 0, 0));
}

// The score and shots boxes: sunken one-pixel frame, large bold digits.
QLabel* makeCounter(QWidget& form, const char* name, const CounterLook& look) {
    auto* label = makeLabel(&form, name, QStringLiteral("0"));
    label->resize(look.box);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
    label->setAlignment(look.align | Qt::AlignTop);
    label->setFont(counterFont());
    if (look.ownPaper) setBackgroundColour(*label, look.paper);
    setTextColour(*label, look.ink);
    return label;
}

void buildScoreBoxes(QWidget& form, FormControls& c) {
    const CounterLook score = scoreLook(), shots = shotsLook();
    makeLabel(&form, "Label4", shots.caption)->setFont(shots.captionFont);
    makeLabel(&form, "Label3", score.caption)->setFont(score.captionFont);
    c.Lab_P = makeCounter(form, "Lab_P", shots);
    c.Label1 = makeCounter(form, "Label1", score);
}

}  // namespace

FormControls buildControls(QWidget& form, const Surfaces& pics) {
    // Before the first control: each face is loaded once, not first in Qt's default.
    form.setFont(captionFont());
    FormControls c;
    buildLegend(form, pics, c);
    makeHiddenBox(&form, "PicG", pics.PicG, false);
    makeHiddenBox(&form, "PicM", pics.PicM, false);
    makeHiddenBox(&form, "PicMM", pics.PicMM, false);
    c.PicS = make<PictureBox>(&form, "PicS", pics.PicS, false);
    buildLevelChoice(form, pics, c);
    c.PicBUF = makeHiddenBox(&form, "PicBUF", pics.PicBUF, true);
    c.Command1 = make<QPushButton>(&form, "Command1", translated(QT_TRANSLATE_NOOP("Form1", "Старт")));
    // Outside a dialog Qt presses a focused button only by Space; players try Return too.
    c.Command1->setAutoDefault(true);
    c.Pic1 = make<PictureBox>(&form, "Pic1", pics.Pic1, true);
    buildScoreBoxes(form, c);
    QWidget::setTabOrder(c.Command1, c.OptKri[1]);
    return c;
}

}  // namespace krivol
