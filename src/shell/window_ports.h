#pragma once
#include <QRect>
#include <array>

#include "round/end_texts.h"
#include "round/ports.h"

class QLabel;
class QWidget;

namespace krivol {

class PictureBox;

// Captions of the score and shots boxes.
class LabelWidgets : public LabelPort {
public:
    LabelWidgets(QLabel& label1, QLabel& labP) : label1_(label1), labP_(labP) {}
    void setLabel1(const QString& text) override;
    void setLab_P(const QString& text) override;

private:
    QLabel& label1_;
    QLabel& labP_;
};

// Refresh of the visible boxes: only what changed is repainted.
class ScreenWidgets : public ScreenPort {
public:
    ScreenWidgets(PictureBox& pic1, PictureBox& picLOAD) : pic1_(pic1), picLOAD_(picLOAD) {}
    void refreshPic1(const Damage& changed) override;
    void refreshPicLOAD() override;

private:
    PictureBox& pic1_;
    PictureBox& picLOAD_;
    std::array<QRect, 256> joined_{};  // as many as a Damage holds; nothing allocated per tick
};

// The round's end boxes: caption "krivol", one OK button, no icon.
class EndMessageBoxes : public EndDialogPort {
public:
    explicit EndMessageBoxes(QWidget& parent) : parent_(parent) {}
    void showVictory() override;
    void showDefeat() override;

private:
    QWidget& parent_;
};

}  // namespace krivol
