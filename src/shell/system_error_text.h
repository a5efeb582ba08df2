#pragma once
#include <QString>

#include "files/regular_file.h"

namespace krivol {

// What the system said of a file that failed, in the window's language: the
// game's own words for the errors a player meets, the error's number for the
// rest; the system's English words only where it gave no number.
QString systemErrorText(const FileProblem& problem);

}  // namespace krivol
