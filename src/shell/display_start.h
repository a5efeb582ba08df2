#pragma once
#include <QApplication>
#include <memory>

namespace krivol {

// The application object, or one line on stderr and exit status 1 when there
// is no display to show the window on. Without this Qt aborts with advice
// meant for packagers ("Reinstalling the application may fix this problem").
std::unique_ptr<QApplication> openDisplay(int& argc, char** argv);

// From openDisplay() on, every LastWords is said before the program ends,
// also when the display goes away and Qt ends the process from inside.
//
// Ends the program with `code` once its windows are closed. Qt 6.4's Wayland
// client can deadlock while it takes the display down (one of its event
// threads is left waiting for a read that never comes); on Wayland, once
// every LastWords has been said, the program ends without it.
int closeDisplay(std::unique_ptr<QApplication> app, int code);

}  // namespace krivol
