#include <QtGlobal>

#include "shell/gamepad/sdl_pads.h"

// The exported entry; its type is krivol::OpenPads.
extern "C" Q_DECL_EXPORT void krivolOpenPads(std::unique_ptr<krivol::PadSource>& into, QString& why) {
    auto pads = std::make_unique<krivol::SdlPads>(why);
    if (pads->ok()) into = std::move(pads);
}
