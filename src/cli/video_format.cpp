#include "cli/video_format.h"

namespace krivol {

std::optional<VideoFormat> videoFormatFor(const QString& path) {
    if (path.endsWith(QLatin1String(".mp4"), Qt::CaseInsensitive)) return VideoFormat{"mp4", "libx264", "aac", 8};
    if (path.endsWith(QLatin1String(".webm"), Qt::CaseInsensitive))
        return VideoFormat{"webm", "libvpx-vp9", "libopus", 3};
    return std::nullopt;
}

}  // namespace krivol
