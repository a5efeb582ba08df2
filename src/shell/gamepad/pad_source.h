#pragma once
#include <QString>
#include <memory>

namespace krivol {

// The buttons the game listens to, whatever the pad calls them: the D-pad,
// the face buttons by where they sit (A is south, B east, X west) and Start.
enum class PadButton { left, up, right, down, south, east, west, start };
inline constexpr int kPadButtons = 8;

// One thing a pad did. `pad` is the pad's id for as long as it is plugged in.
struct PadEvent {
    enum class Kind { added, removed, pressed, released, stickX, stickY };
    Kind kind = Kind::added;
    int pad = 0;
    PadButton button = PadButton::left;  // pressed, released
    int value = 0;                       // stickX, stickY: -32768 (left, up) .. 32767
    QString name;                        // added, removed
};

// The pads live in a module of their own (krivol-gamepad.so), so the window
// starts without SDL and loads it once it has shown its first frame. The
// window keeps the loop and asks for what happened since it last looked.
class PadSource {
public:
    virtual ~PadSource() = default;
    // The next thing that happened, or false when there is nothing more now.
    virtual bool next(PadEvent& event) = 0;
};

// The module's one entry point: a source in `into`, or `why` there is none.
using OpenPads = void (*)(std::unique_ptr<PadSource>& into, QString& why);
inline constexpr char kOpenPadsSymbol[] = "krivolOpenPads";

}  // namespace krivol
