#include "virtual_pad.h"

#include <cstdio>

namespace krivol::test {

VirtualPad::VirtualPad() {
    // SDL is the game's to start, with its hints; this only adds a user.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        std::fprintf(stderr, "virtual pad: %s\n", SDL_GetError());
        return;
    }
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "Krivol Test Pad";
    device_ = SDL_JoystickAttachVirtualEx(&desc);
    if (device_ >= 0) joystick_ = SDL_JoystickOpen(device_);
    if (!joystick_) {
        std::fprintf(stderr, "virtual pad: %s\n", SDL_GetError());
        return;
    }
    // Triggers at rest, else they read half pressed.
    SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_TRIGGERLEFT, -32768);
    SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -32768);
}

VirtualPad::~VirtualPad() {
    unplug();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool VirtualPad::opened() const {
    return joystick_ && SDL_GameControllerFromInstanceID(SDL_JoystickInstanceID(joystick_)) != nullptr;
}

void VirtualPad::button(SDL_GameControllerButton b, bool down) {
    if (joystick_) SDL_JoystickSetVirtualButton(joystick_, b, down ? 1 : 0);
}

void VirtualPad::axis(SDL_GameControllerAxis a, int value) {
    if (joystick_) SDL_JoystickSetVirtualAxis(joystick_, a, static_cast<Sint16>(value));
}

void VirtualPad::unplug() {
    if (!joystick_) return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
    }
}

}  // namespace krivol::test
