#include "shell/gamepad/sdl_pads.h"

#include <SDL.h>

namespace krivol {

namespace {

// SDL's buttons the game has a use for.
bool padButton(Uint8 sdl, PadButton& button) {
    switch (sdl) {
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: button = PadButton::left; return true;
    case SDL_CONTROLLER_BUTTON_DPAD_UP: button = PadButton::up; return true;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: button = PadButton::right; return true;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: button = PadButton::down; return true;
    case SDL_CONTROLLER_BUTTON_A: button = PadButton::south; return true;
    case SDL_CONTROLLER_BUTTON_B: button = PadButton::east; return true;
    case SDL_CONTROLLER_BUTTON_X: button = PadButton::west; return true;
    case SDL_CONTROLLER_BUTTON_START: button = PadButton::start; return true;
    default: return false;
    }
}

QString nameOf(SDL_GameController* pad) {
    const char* name = pad ? SDL_GameControllerName(pad) : nullptr;
    return name ? QString::fromUtf8(name) : QString();
}

}  // namespace

SdlPads::SdlPads(QString& why) {
    // Otherwise SDL turns SIGINT and SIGTERM into an event nobody reads, and
    // they no longer end the game.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    ok_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    why = ok_ ? QString() : QString::fromUtf8(SDL_GetError());
}

SdlPads::~SdlPads() {
    if (!ok_) return;
    for (const auto& [id, pad] : open_) SDL_GameControllerClose(pad);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool SdlPads::next(PadEvent& event) {
    if (!ok_) return false;
    SDL_Event in;
    while (SDL_PollEvent(&in)) {
        if (translate(in, event)) return true;
    }
    return false;
}

bool SdlPads::translate(const SDL_Event& in, PadEvent& out) {
    switch (in.type) {
    case SDL_CONTROLLERDEVICEADDED: {
        SDL_GameController* pad = SDL_GameControllerOpen(in.cdevice.which);  // a device index
        if (!pad) return false;
        const int id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
        if (open_.count(id)) {  // announced twice: SDL's start-up scan and the event
            SDL_GameControllerClose(pad);
            return false;
        }
        open_[id] = pad;
        out = {PadEvent::Kind::added, id, {}, 0, nameOf(pad)};
        return true;
    }
    case SDL_CONTROLLERDEVICEREMOVED: {  // an instance id
        const auto found = open_.find(in.cdevice.which);
        if (found == open_.end()) return false;
        out = {PadEvent::Kind::removed, found->first, {}, 0, nameOf(found->second)};
        SDL_GameControllerClose(found->second);
        open_.erase(found);
        return true;
    }
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
        PadButton button;
        if (!padButton(in.cbutton.button, button)) return false;
        const bool down = in.type == SDL_CONTROLLERBUTTONDOWN;
        out = {down ? PadEvent::Kind::pressed : PadEvent::Kind::released, in.cbutton.which, button, 0, {}};
        return true;
    }
    case SDL_CONTROLLERAXISMOTION:
        if (in.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) out.kind = PadEvent::Kind::stickX;
        else if (in.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) out.kind = PadEvent::Kind::stickY;
        else return false;
        out.pad = in.caxis.which;
        out.value = in.caxis.value;
        return true;
    default:
        return false;
    }
}

}  // namespace krivol
