#pragma once
#include <functional>

namespace krivol {

// What an open file must still say before the program ends, however it ends:
// its owner's normal end, the display going away (Qt's display plugins end
// the process from inside when the connection breaks) or the program's own
// quick exit. Each is said once, the newest first; an owner holds one as a
// member and says it itself (or not at all) when it ends normally.
// Window thread only, but for sayAllFromAnyThread().
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
    // sayAll() on the window thread, from any thread (Qt's Wayland plugin
    // reports the compositor gone from its event thread): waits until it is
    // done, for a second at most, in case the window thread is stuck.
    static void sayAllFromAnyThread();

private:
    std::function<void()> say_;
};

}  // namespace krivol
