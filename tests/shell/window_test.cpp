// The window's controls and its start-up.
#include <QFileInfo>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QRadioButton>
#include <sys/stat.h>

#include "shell/picture_box.h"
#include "window_fixture.h"

namespace krivol::test {
namespace {

struct Place {
    const char* name;
    const char* container;
    QRect geometry;
};

// Where the designer put each control, in pixels; PicS as start-up leaves it.
const Place kPlaces[] = {
    {"Frame2", "Form1", {5, 364, 140, 194}},    {"Pic_inf", "Frame2", {7, 67, 12, 120}},
    {"Label9", "Frame2", {23, 142, 94, 28}},    {"Label8", "Frame2", {23, 119, 94, 18}},
    {"Label7", "Frame2", {23, 84, 74, 29}},     {"Label6", "Frame2", {23, 66, 102, 18}},
    {"Label5", "Frame2", {21, 35, 94, 18}},     {"Label2", "Frame2", {20, 19, 97, 18}},
    {"PicG", "Form1", {-50, 360, 12, 51}},      {"PicM", "Form1", {-50, 361, 12, 51}},
    {"PicMM", "Form1", {-50, 362, 12, 51}},     {"PicS", "Form1", {-50, 235, 12, 120}},
    {"Frame1", "Form1", {17, 9, 121, 181}},     {"PicLOAD", "Frame1", {32, 114, 52, 52}},
    {"OptKri(3)", "Frame1", {11, 81, 86, 16}},  {"OptKri(2)", "Frame1", {11, 59, 86, 16}},
    {"OptKri(1)", "Frame1", {11, 37, 86, 16}},  {"OptKri(0)", "Frame1", {11, 16, 86, 16}},
    {"PicBUF", "Form1", {-630, 41, 602, 602}},  {"Command1", "Form1", {38, 200, 83, 21}},
    {"Pic1", "Form1", {150, 8, 602, 602}},      {"Label4", "Form1", {47, 290, 59, 16}},
    {"Label3", "Form1", {52, 235, 47, 16}},     {"Lab_P", "Form1", {40, 311, 67, 26}},
    {"Label1", "Form1", {30, 254, 89, 26}},
};

const std::pair<const char*, QString> kCaptions[] = {
    {"Frame2", QStringLiteral("Информация")},           {"Label9", QStringLiteral("защита от монстров")},
    {"Label8", QStringLiteral("патроны")},              {"Label7", QStringLiteral("ловушка для монстров")},
    {"Label6", QStringLiteral("надо все собрать!")},    {"Label5", QStringLiteral("\"1\" - стрельба")},
    {"Label2", QStringLiteral("Курсор - движение")},    {"Frame1", QStringLiteral("Krivol")},
    {"OptKri(3)", QStringLiteral("Kri №3")},            {"OptKri(2)", QStringLiteral("Kri №2")},
    {"OptKri(1)", QStringLiteral("Kri №1")},            {"OptKri(0)", QStringLiteral("Kri №1")},
    {"Command1", QStringLiteral("Старт")},              {"Label4", QStringLiteral("Патронов")},
    {"Label3", QStringLiteral("Очки")},                 {"Lab_P", QStringLiteral("0")},
    {"Label1", QStringLiteral("0")},
};

QString captionOf(const QWidget* w) {
    if (auto* box = qobject_cast<const QGroupBox*>(w)) return box->title();
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    return QStringLiteral("<no caption>");
}

QColor textColour(const QWidget* w) { return w->palette().color(QPalette::WindowText); }

int wrappedLines(const QLabel* label) {
    const QFontMetrics fm(label->font());
    const QRect r = fm.boundingRect(QRect(0, 0, label->width(), 1000), Qt::TextWordWrap, label->text());
    return r.height() / fm.lineSpacing();
}

QImage levelPicture(const QString& path) { return QImage(path).convertToFormat(QImage::Format_RGB32); }

bool allPixels(const QImage& image, QRect area, QRgb colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != colour) return false;
    return true;
}

using WindowLayout = WindowTest;

TEST_F(WindowLayout, FixedClientAreaTitleAndName) {
    Form1& form = open(kLongRoundSeed);
    EXPECT_EQ(form.size(), QSize(753, 622));
    EXPECT_EQ(form.minimumSize(), QSize(753, 622));
    EXPECT_EQ(form.maximumSize(), QSize(753, 622));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Krivol v2.32"));
    EXPECT_EQ(form.objectName(), QStringLiteral("Form1"));
}

TEST_F(WindowLayout, EveryControlAtItsDesignerPlaceInItsContainer) {
    open(kLongRoundSeed);
    for (const Place& p : kPlaces) {
        QWidget* w = control(p.name);
        if (!w) continue;
        EXPECT_EQ(w->geometry(), p.geometry) << p.name;
        EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(p.container)) << p.name;
    }
}

TEST_F(WindowLayout, CaptionsAsWritten) {
    open(kLongRoundSeed);
    for (const auto& [name, caption] : kCaptions) {
        if (QWidget* w = control(name)) {
            EXPECT_EQ(captionOf(w), caption) << name;
        }
    }
}

TEST_F(WindowLayout, SourcesAndBufferNeverSeenEverythingElseInside) {
    Form1& form = open(kLongRoundSeed);
    const QStringList unseen{"PicG", "PicM", "PicMM", "PicS", "PicBUF", "OptKri(0)"};
    for (const Place& p : kPlaces) {
        QWidget* w = control(p.name);
        if (!w) continue;
        const QRect onForm(w->mapTo(&form, QPoint(0, 0)), w->size());
        if (unseen.contains(QLatin1String(p.name))) {
            EXPECT_FALSE(w->isVisibleTo(&form)) << p.name;
        } else {
            EXPECT_TRUE(w->isVisibleTo(&form)) << p.name;
            EXPECT_TRUE(form.rect().contains(onForm)) << p.name;
        }
    }
    for (const char* name : {"PicG", "PicM", "PicMM", "PicS", "PicBUF"}) {
        QWidget* w = control(name);
        EXPECT_LT(w->geometry().right(), 0) << name << " reaches into the client area";
    }
    EXPECT_TRUE(control<QRadioButton>("OptKri(1)")->isChecked());
}

TEST_F(WindowLayout, CyrillicCaptionsFitTheirBoxesAndTwoLegendLinesWrap) {
    open(kLongRoundSeed);
    for (const auto& [name, caption] : kCaptions) {
        QWidget* w = control(name);
        for (const QChar c : caption) {
            EXPECT_TRUE(QFontMetrics(w->font()).inFont(c)) << name << " font lacks " << QString(c).toStdString();
        }
    }
    for (const char* name : {"Label2", "Label5", "Label6", "Label8", "Label3", "Label4"}) {
        auto* label = control<QLabel>(name);
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width()) << name;
        EXPECT_EQ(wrappedLines(label), 1) << name;
    }
    for (const char* name : {"Label7", "Label9"}) {
        auto* label = control<QLabel>(name);
        EXPECT_EQ(wrappedLines(label), 2) << name;
        EXPECT_LE(2 * QFontMetrics(label->font()).lineSpacing(), label->height()) << name;
    }
    for (const char* name : {"OptKri(1)", "OptKri(2)", "OptKri(3)", "Command1"}) {
        QWidget* w = control(name);
        EXPECT_LE(w->sizeHint().width(), w->width()) << name;
    }
}

TEST_F(WindowLayout, ColoursFramesAlignmentAndFonts) {
    open(kLongRoundSeed);
    for (const char* name : {"Label2", "Label5", "Label6", "Label7", "Label8", "Label9"})
        EXPECT_EQ(textColour(control(name)), QColor(64, 0, 64)) << name;
    auto* score = control<QLabel>("Label1");
    auto* shots = control<QLabel>("Lab_P");
    EXPECT_EQ(textColour(score), QColor(192, 0, 192));
    EXPECT_EQ(score->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_TRUE(score->autoFillBackground());
    EXPECT_TRUE(score->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(shots->alignment() & Qt::AlignRight);
    for (QLabel* box : {score, shots}) {
        EXPECT_EQ(box->frameShape(), QFrame::Panel);
        EXPECT_EQ(box->frameShadow(), QFrame::Sunken);
        EXPECT_EQ(box->lineWidth(), 1);
        EXPECT_TRUE(box->font().bold());
    }
    auto* heading = control<QLabel>("Label3");
    const QFontInfo plain(control("Label4")->font()), bold(heading->font()), big(score->font());
    EXPECT_TRUE(heading->font().bold());
    EXPECT_FALSE(control("Label4")->font().bold());
    EXPECT_LT(plain.pixelSize(), bold.pixelSize());  // 8 pt < 9.75 pt < 12 pt
    EXPECT_LT(bold.pixelSize(), big.pixelSize());
}

TEST_F(WindowLayout, PictureBoxesShowTheirImagesPixelForPixel) {
    Form1& form = open(kLongRoundSeed);
    clickStart();  // a drawn field; no tick runs before the event loop does
    const QImage field = form.pictures().Pic1;
    auto* pic1 = control<PictureBox>("Pic1");
    const QImage shown = pic1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(602, 602));
    EXPECT_EQ(shown.copy(1, 1, 600, 600), field);
    for (const QRect& edge : {QRect(0, 0, 602, 1), QRect(0, 601, 602, 1), QRect(0, 0, 1, 602), QRect(601, 0, 1, 602)})
        EXPECT_TRUE(allPixels(shown, edge, 0xFF000000)) << "border";
    for (const char* name : {"PicLOAD", "Pic_inf"}) {
        auto* box = control<PictureBox>(name);
        const QImage& image = QLatin1String(name) == QLatin1String("PicLOAD") ? form.pictures().PicLOAD
                                                                               : form.pictures().Pic_inf;
        EXPECT_EQ(box->grab().toImage().convertToFormat(QImage::Format_RGB32), image) << name;
    }
    form.close();
}

TEST_F(WindowLayout, FieldStaysCrispOnADoubledScreen) {
    Form1& form = open(kLongRoundSeed);
    clickStart();
    QImage doubled(1204, 1204, QImage::Format_RGB32);
    doubled.setDevicePixelRatio(2);
    control<PictureBox>("Pic1")->render(&doubled);
    const QImage& field = form.pictures().Pic1;
    int blurred = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 600; ++x)
            for (int d = 0; d < 4; ++d)
                blurred += doubled.pixel(2 * (x + 1) + d % 2, 2 * (y + 1) + d / 2) != field.pixel(x, y);
    EXPECT_EQ(blurred, 0);
    form.close();
}

using WindowStartUp = WindowTest;

TEST_F(WindowStartUp, LevelOneInThePreviewWithoutDrawingARandomNumber) {
    Form1& form = open(kLongRoundSeed);
    EXPECT_EQ(form.random().draws(), 0u);
    const GameState& s = form.state();
    EXPECT_EQ(s.SP, 12);
    EXPECT_EQ(s.UGAME, 10);
    EXPECT_EQ(s.N_KRI, 1);
    EXPECT_EQ(QFileInfo(s.nam_kri).fileName(), QStringLiteral("KRIVOL01.BMP"));
    const QImage& preview = form.pictures().PicLOAD;
    EXPECT_EQ(preview.copy(0, 0, 50, 50), levelPicture(s.nam_kri));
    EXPECT_TRUE(allPixels(preview, QRect(50, 0, 2, 52), 0xFF000000));
    EXPECT_TRUE(allPixels(preview, QRect(0, 50, 52, 2), 0xFF000000));
    EXPECT_TRUE(control<QLabel>("previewStatus")->text().isEmpty());
    EXPECT_FALSE(form.ticking());
}

TEST_F(WindowStartUp, MissingLevelFileLeavesPreviewBlackAndSaysWhichFile) {
    QFile::remove(dir_.filePath(QStringLiteral("KRIVOL01.BMP")));
    Form1& form = open(kLongRoundSeed);
    EXPECT_TRUE(allPixels(form.pictures().PicLOAD, QRect(0, 0, 52, 52), 0xFF000000));
    auto* status = control<QLabel>("previewStatus");
    EXPECT_TRUE(status->isVisibleTo(&form));
    EXPECT_TRUE(status->text().contains(QStringLiteral("KRIVOL01.BMP"))) << status->text().toStdString();
    EXPECT_LE(QFontMetrics(status->font()).horizontalAdvance(status->text()), status->width());
    const QRect frame = control("Frame1")->rect();
    EXPECT_TRUE(frame.contains(status->geometry()));
    EXPECT_GE(status->y(), control("PicLOAD")->geometry().bottom());
    EXPECT_TRUE(status->toolTip().contains(QStringLiteral("файла нет"))) << status->toolTip().toStdString();

    // The start button then names the file in a box and starts nothing.
    clickStart();
    waitUntil([&] { return !boxes_.seen.empty(); }, 2000);
    ASSERT_EQ(boxes_.seen.size(), 1u);
    EXPECT_EQ(boxes_.seen[0].caption, QStringLiteral("krivol"));
    EXPECT_TRUE(boxes_.seen[0].text.contains(QStringLiteral("KRIVOL01.BMP")));
    EXPECT_FALSE(form.round().running());
    EXPECT_FALSE(form.ticking());
}

TEST_F(WindowStartUp, UnplayableLevelIsRefusedWithItsReason) {
    LevelGrid::solid().dots(2, 2, 10, 2).save(dir_.filePath(QStringLiteral("KRIVOL01.BMP")));
    Form1& form = open(kLongRoundSeed);
    // The reason shows under the preview as soon as the level is chosen.
    auto* status = control<QLabel>("previewStatus");
    EXPECT_TRUE(status->text().startsWith(QStringLiteral("мало точек"))) << status->text().toStdString();
    EXPECT_TRUE(status->toolTip().contains(QStringLiteral("не дойти"))) << status->toolTip().toStdString();
    clickStart();
    waitUntil([&] { return !boxes_.seen.empty(); }, 2000);
    ASSERT_EQ(boxes_.seen.size(), 1u);
    EXPECT_TRUE(boxes_.seen[0].text.contains(QStringLiteral("KRIVOL01.BMP")));
    EXPECT_TRUE(boxes_.seen[0].text.contains(QStringLiteral("клеток с точками"))) << boxes_.seen[0].text.toStdString();
    EXPECT_FALSE(form.round().running());
    EXPECT_EQ(form.random().draws(), 0u);
}

// A named pipe where a level should be must neither keep the window from
// appearing nor freeze it on a click: it is refused from its metadata.
TEST_F(WindowStartUp, PipesInPlaceOfLevelsAreRefusedWithoutBlocking) {
    for (const char* name : {"KRIVOL01.BMP", "KRIVOL02.BMP"}) {
        const QString path = dir_.filePath(QLatin1String(name));
        QFile::remove(path);
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0) << name;
    }
    Form1& form = open(kLongRoundSeed);
    auto* status = control<QLabel>("previewStatus");
    EXPECT_TRUE(status->text().startsWith(QStringLiteral("не файл"))) << status->text().toStdString();
    EXPECT_TRUE(status->toolTip().contains(QStringLiteral("именованный канал"))) << status->toolTip().toStdString();
    control<QRadioButton>("OptKri(2)")->click();
    EXPECT_EQ(form.state().N_KRI, 2);
    EXPECT_TRUE(status->toolTip().contains(QStringLiteral("KRIVOL02.BMP"))) << status->toolTip().toStdString();
    clickStart();
    waitUntil([&] { return !boxes_.seen.empty(); }, 2000);
    ASSERT_EQ(boxes_.seen.size(), 1u);
    EXPECT_TRUE(boxes_.seen[0].text.contains(QStringLiteral("именованный канал"))) << boxes_.seen[0].text.toStdString();
    EXPECT_FALSE(form.round().running());
}

// With a seed and no key, the window plays exactly what the headless tool plays.
TEST_F(WindowStartUp, SeedReplaysTheFramesOfTheHeadlessTool) {
    const QString cli = QStringLiteral(KRIVOL_BIN_DIR "/krivol-cli");
    ASSERT_TRUE(QFileInfo(cli).isExecutable()) << "build krivol-cli first";
    Form1& form = open(kLongRoundSeed);
    const std::vector<long long> checkpoints{1, 37, 120};
    std::vector<QImage> frames;
    tickCounter_.onTick = [&](long long tick) {
        if (std::find(checkpoints.begin(), checkpoints.end(), tick) != checkpoints.end())
            frames.push_back(form.pictures().Pic1.copy());
    };
    clickStart();
    ASSERT_TRUE(waitUntil([&] { return frames.size() == checkpoints.size(); }, 10000));
    form.close();
    for (size_t i = 0; i < checkpoints.size(); ++i) {
        const QString png = dir_.filePath(QStringLiteral("frame%1.png").arg(i));
        QProcess run;
        run.start(cli, {QStringLiteral("play"), dir_.filePath(QStringLiteral("KRIVOL01.BMP")), QStringLiteral("--seed"),
                        QString::number(kLongRoundSeed), QStringLiteral("--ticks"), QString::number(checkpoints[i]),
                        QStringLiteral("--frame"), png});
        ASSERT_TRUE(run.waitForFinished(10000));
        ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
        EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), frames[i]) << "tick " << checkpoints[i];
    }
}

}  // namespace
}  // namespace krivol::test

int main(int argc, char** argv) { return krivol::test::runWindowTests(argc, argv); }
