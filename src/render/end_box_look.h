#pragma once
#include <QImage>
#include <QPoint>
#include <QString>

namespace krivol {

// The box that ends a round, as the window's message box shows it: its title
// and its one button.
QString endBoxTitle();
QString endBoxButton();

// `picture` with the end box saying `text` drawn over it, centred on `centre`.
QImage withEndBox(const QImage& picture, QPoint centre, const QString& text);

}  // namespace krivol
