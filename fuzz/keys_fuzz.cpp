// Any bytes as a keys file for `krivol-cli play --keys`.
#include <QBuffer>
#include <cstddef>
#include <cstdint>

#include "cli/key_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const krivol::KeyScript script = krivol::readKeyScript(buffer);
    // Refusals quote at most a bounded part of the input.
    if (script.error.size() > 400) __builtin_trap();
    for (size_t i = 1; i < script.events.size(); ++i)
        if (script.events[i].tick < script.events[i - 1].tick) __builtin_trap();
    return 0;
}
