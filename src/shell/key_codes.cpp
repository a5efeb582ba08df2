#include "shell/key_codes.h"

namespace krivol {

namespace {

enum class Pad { Any, Main, Keypad };  // which keyboard part a row applies to

// Qt keys first..last become codes vk, vk+1, ...
struct KeyRange {
    int first, last;
    Integer vk;
    Pad pad = Pad::Any;
};

constexpr KeyRange kCodes[] = {
    {Qt::Key_0, Qt::Key_9, 96, Pad::Keypad},
    {Qt::Key_0, Qt::Key_9, 48, Pad::Main},
    {Qt::Key_A, Qt::Key_Z, 65},
    {Qt::Key_Left, Qt::Key_Down, 37},  // left, up, right, down
    {Qt::Key_F1, Qt::Key_F12, 112},
    {Qt::Key_Backspace, Qt::Key_Backspace, 8},
    {Qt::Key_Tab, Qt::Key_Tab, 9},
    {Qt::Key_Backtab, Qt::Key_Backtab, 9},
    {Qt::Key_Return, Qt::Key_Return, 13},
    {Qt::Key_Enter, Qt::Key_Enter, 13},
    {Qt::Key_Shift, Qt::Key_Shift, 16},
    {Qt::Key_Control, Qt::Key_Control, 17},
    {Qt::Key_Alt, Qt::Key_Alt, 18},
    {Qt::Key_Pause, Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, Qt::Key_Escape, 27},
    {Qt::Key_Space, Qt::Key_Space, 32},
    {Qt::Key_PageUp, Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, Qt::Key_PageDown, 34},
    {Qt::Key_End, Qt::Key_End, 35},
    {Qt::Key_Home, Qt::Key_Home, 36},
    {Qt::Key_Insert, Qt::Key_Insert, 45},
    {Qt::Key_Delete, Qt::Key_Delete, 46},
    {Qt::Key_Asterisk, Qt::Key_Asterisk, 106, Pad::Keypad},
    {Qt::Key_Plus, Qt::Key_Plus, 107, Pad::Keypad},
    {Qt::Key_Minus, Qt::Key_Minus, 109, Pad::Keypad},
    {Qt::Key_Period, Qt::Key_Period, 110, Pad::Keypad},
    {Qt::Key_Slash, Qt::Key_Slash, 111, Pad::Keypad},
    {Qt::Key_NumLock, Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, Qt::Key_ScrollLock, 145},
    // Shift turns the digit keys into symbols: a "1" released while Shift is
    // down still has to end the held "1" (US layout).
    {Qt::Key_Exclam, Qt::Key_Exclam, 49, Pad::Main},
    {Qt::Key_At, Qt::Key_At, 50, Pad::Main},
    {Qt::Key_NumberSign, Qt::Key_NumberSign, 51, Pad::Main},
    {Qt::Key_Dollar, Qt::Key_Dollar, 52, Pad::Main},
    {Qt::Key_Percent, Qt::Key_Percent, 53, Pad::Main},
    {Qt::Key_AsciiCircum, Qt::Key_AsciiCircum, 54, Pad::Main},
    {Qt::Key_Ampersand, Qt::Key_Ampersand, 55, Pad::Main},
    {Qt::Key_Asterisk, Qt::Key_Asterisk, 56, Pad::Main},
    {Qt::Key_ParenLeft, Qt::Key_ParenLeft, 57, Pad::Main},
    {Qt::Key_ParenRight, Qt::Key_ParenRight, 48, Pad::Main},
};

bool applies(Pad pad, bool keypad) { return pad == Pad::Any || (pad == Pad::Keypad) == keypad; }

}  // namespace

Integer virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    for (const KeyRange& r : kCodes) {
        if (qtKey >= r.first && qtKey <= r.last && applies(r.pad, keypad))
            return static_cast<Integer>(r.vk + (qtKey - r.first));
    }
    return 0;
}

}  // namespace krivol
