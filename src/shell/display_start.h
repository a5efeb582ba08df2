#pragma once
#include <QApplication>
#include <memory>

namespace krivol {

// The application object, or one line on stderr and exit status 1 when there
// is no display to show the window on. Without this Qt aborts with advice
// meant for packagers ("Reinstalling the application may fix this problem").
std::unique_ptr<QApplication> openDisplay(int& argc, char** argv);

}  // namespace krivol
