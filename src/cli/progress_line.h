#pragma once
#include <QString>

namespace krivol {

// "video: round 2 of 3, 45%" kept on one line of a terminal; says nothing
// when standard error is not one.
class ProgressLine {
public:
    ProgressLine(long long totalTicks, int totalRounds);
    void tick(int roundShown, long long ticksDone);
    // Ends the line, so that other output starts on a line of its own.
    void endLine();

private:
    bool terminal_;
    long long total_;
    int rounds_;
    int lastPercent_ = -1;
    bool onLine_ = false;  // the line has been written and not ended
};

}  // namespace krivol
