#pragma once
#include <map>

#include "shell/gamepad/pad_source.h"

struct _SDL_GameController;
union SDL_Event;

namespace krivol {

// The game controllers SDL knows, through its game-controller API alone (no
// SDL window, sound or signal handling). Mappings come from SDL's database
// and from SDL_GAMECONTROLLERCONFIG and SDL_GAMECONTROLLERCONFIG_FILE.
class SdlPads : public PadSource {
public:
    // Empty `why` when SDL's controllers are up.
    explicit SdlPads(QString& why);
    ~SdlPads() override;
    SdlPads(const SdlPads&) = delete;
    SdlPads& operator=(const SdlPads&) = delete;

    bool ok() const { return ok_; }
    bool next(PadEvent& event) override;

private:
    bool translate(const SDL_Event& in, PadEvent& out);

    bool ok_ = false;
    std::map<int, _SDL_GameController*> open_;  // by SDL's instance id
};

}  // namespace krivol
