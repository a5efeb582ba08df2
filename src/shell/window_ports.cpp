#include "shell/window_ports.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>

#include <algorithm>

#include "render/end_box_look.h"
#include "shell/damage_join.h"
#include "shell/picture_box.h"

namespace krivol {

namespace {

void showEndBox(QWidget& parent, const QString& text) {
    const QPointer<QWidget> had = QApplication::focusWidget();
    QMessageBox box(QMessageBox::NoIcon, endBoxTitle(), text, QMessageBox::Ok, &parent);
    box.setObjectName(QStringLiteral("endBox"));
    if (QAbstractButton* ok = box.button(QMessageBox::Ok)) {
        ok->setIcon(QIcon());  // a plain OK, as the game had
        ok->setText(endBoxButton());
    }
    box.exec();
    // Some desktops leave the keyboard with whatever window lies under the
    // pointer once the box is gone; the next round is steered from here.
    parent.activateWindow();
    if (had && had->window() == &parent) had->setFocus(Qt::ActiveWindowFocusReason);
}

}  // namespace

void LabelWidgets::setLabel1(const QString& text) {
    // Called every tick; an unchanged score costs no repaint.
    if (label1_.text() != text) label1_.setText(text);
}

void LabelWidgets::setLab_P(const QString& text) {
    if (labP_.text() != text) labP_.setText(text);
}

void ScreenWidgets::refreshPic1(const Damage& changed) {
    if (changed.all()) {
        pic1_.refreshAll();
        return;
    }
    // Each rectangle becomes its own copy to the screen, so fewer is cheaper.
    const auto rects = changed.rects();
    const size_t count = std::min(rects.size(), joined_.size());
    std::copy_n(rects.begin(), count, joined_.begin());
    const size_t kept = joinTouching(std::span(joined_.data(), count));
    for (size_t i = 0; i < kept; ++i) pic1_.refreshRect(joined_[i]);
}

void ScreenWidgets::refreshPicLOAD() { picLOAD_.refreshAll(); }

void EndMessageBoxes::showVictory() { showEndBox(parent_, victoryText()); }

void EndMessageBoxes::showDefeat() { showEndBox(parent_, defeatText()); }

}  // namespace krivol
