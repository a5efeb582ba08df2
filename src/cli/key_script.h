#pragma once
#include <QIODevice>
#include <QString>
#include <vector>

#include "state/types.h"

namespace krivol {

struct KeyEvent {
    long long tick = 0;
    bool down = false;
    Integer code = 0;
};

// A keys file: lines "T down CODE" / "T up CODE"; blank lines and lines
// starting with '#' are skipped. Events come back ordered by tick, file order
// kept within a tick.
struct KeyScript {
    std::vector<KeyEvent> events;
    QString error;  // names the malformed line
};
// Read line by line: a line over 4 KiB or more than four million events is
// refused, and a bad line is quoted only in part.
KeyScript readKeyScript(QIODevice& device);
KeyScript parseKeyScript(const QString& text);
KeyScript readKeyScript(const QString& path);

}  // namespace krivol
