#pragma once
#include <functional>

namespace krivol {

// What an open file must still say before the program ends, however it ends:
// its owner's normal end, the display going away (Qt's display plugins end
// the process from inside when the connection breaks) or the program's own
// quick exit. Each is said once, the newest first; an owner holds one as a
// member and says it itself (or not at all) when it ends normally.
// Window thread only.
class LastWords {
public:
    explicit LastWords(std::function<void()> say);
    ~LastWords();
    LastWords(const LastWords&) = delete;
    LastWords& operator=(const LastWords&) = delete;

    // Says this one now, unless it was said.
    void say();
    // Says every one not yet said; for the ways out that skip the owners' ends.
    static void sayAll();
    // From now on exit() says them all first (Qt's X11 plugin calls it when
    // the server is gone).
    static void sayAllOnExit();

private:
    std::function<void()> say_;
};

}  // namespace krivol
