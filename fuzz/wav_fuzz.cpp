// Any bytes as a sound file.
#include <cstddef>
#include <cstdint>

#include "shell/sound/wav_clip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const auto clip = krivol::parseWav(bytes)) {
        // What a sink would be handed must lie inside the file.
        if (clip->pcm.size() > bytes.size() || clip->pcm.size() % clip->format.bytesPerFrame() != 0) __builtin_trap();
    }
    return 0;
}
