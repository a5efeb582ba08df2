#pragma once
// A game controller that exists only inside this process: SDL's virtual
// joystick, which SDL maps as a standard pad. For tests alone.
#include <SDL.h>

namespace krivol::test {

class VirtualPad {
public:
    VirtualPad();
    ~VirtualPad();
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool attached() const { return joystick_ != nullptr; }
    // Whether someone in the process (the game) has opened it as a controller.
    bool opened() const;
    void button(SDL_GameControllerButton b, bool down);
    void axis(SDL_GameControllerAxis a, int value);
    // As pulling the cable: the pad is gone at the next look.
    void unplug();

private:
    SDL_Joystick* joystick_ = nullptr;
    int device_ = -1;
};

}  // namespace krivol::test
