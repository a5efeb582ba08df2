#pragma once
#include <array>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace krivol {

class PictureBox;
struct Surfaces;

// The controls the window's handlers talk to. Every control, these and the
// rest, is a child of the window named after its designer name, so
// findChild<QWidget*>("Label7") reaches it.
struct FormControls {
    PictureBox* Pic1 = nullptr;
    PictureBox* PicBUF = nullptr;
    PictureBox* PicS = nullptr;
    PictureBox* PicLOAD = nullptr;
    PictureBox* Pic_inf = nullptr;
    std::array<QRadioButton*, 4> OptKri{};
    QButtonGroup* OptKriGroup = nullptr;  // ids are the indexes 0..3
    QPushButton* Command1 = nullptr;
    QLabel* Label1 = nullptr;  // score
    QLabel* Lab_P = nullptr;   // shots left
    QLabel* previewStatus = nullptr;  // under PicLOAD: the level file that could not be shown
};

// Builds every control at its designer place, with its caption, colours and
// font, the picture boxes showing the images of `pics`.
FormControls buildControls(QWidget& form, const Surfaces& pics);

}  // namespace krivol
