#pragma once
#include <QGroupBox>

namespace krivol {

// A frame as the designer drew it: an etched rectangle with the caption set
// into its top edge, on the plain window background (so the legend's
// pictures sit on the same colour as the frame around them).
class FrameBox : public QGroupBox {
public:
    FrameBox(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace krivol
