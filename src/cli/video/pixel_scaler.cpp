#include "cli/video/pixel_scaler.h"

#include <cstring>

namespace krivol {

PixelScaler::PixelScaler(QSize from, int scale)
    : from_(from),
      scale_(scale),
      rowToYuv_(sws_getContext(from.width(), 1, AV_PIX_FMT_BGRA, from.width(), 1, AV_PIX_FMT_YUV444P, SWS_POINT,
                               nullptr, nullptr, nullptr)),
      changed_(static_cast<size_t>(from.height())) {
    for (auto& plane : yuv_) plane.resize(static_cast<size_t>(from.width()) * static_cast<size_t>(from.height()));
    // A chroma sample stands for output pixels 2c and 2c + 1; it takes the
    // window pixel of the first.
    chromaColumn_.resize(static_cast<size_t>(size().width() / 2));
    for (size_t c = 0; c < chromaColumn_.size(); ++c) chromaColumn_[c] = static_cast<int>(2 * c) / scale;
}

bool PixelScaler::fill(const QImage& picture, AVFrame& frame) {
    if (!rowToYuv_) return false;
    const auto rowBytes = static_cast<size_t>(from_.width()) * 4;
    for (int y = 0; y < from_.height(); ++y) {
        const bool same = !last_.isNull() && std::memcmp(picture.constScanLine(y), last_.constScanLine(y), rowBytes) == 0;
        changed_[static_cast<size_t>(y)] = !same;
        if (same) continue;
        convertRow(picture, y);
        fillLuma(y, frame);
    }
    fillChroma(frame);
    if (last_.isNull()) last_ = picture.copy();
    else std::memcpy(last_.bits(), picture.constBits(), static_cast<size_t>(picture.sizeInBytes()));
    return true;
}

void PixelScaler::convertRow(const QImage& picture, int y) {
    const uint8_t* in[1] = {picture.constScanLine(y)};
    const int inStride[1] = {static_cast<int>(picture.bytesPerLine())};
    const auto at = static_cast<ptrdiff_t>(y) * from_.width();
    uint8_t* out[3] = {yuv_[0].data() + at, yuv_[1].data() + at, yuv_[2].data() + at};
    const int outStride[3] = {from_.width(), from_.width(), from_.width()};
    sws_scale(rowToYuv_.get(), in, inStride, 0, 1, out, outStride);
}

void PixelScaler::fillLuma(int y, AVFrame& frame) const {
    const int w = from_.width(), k = scale_;
    const uint8_t* from = yuv_[0].data() + static_cast<ptrdiff_t>(y) * w;
    uint8_t* first = frame.data[0] + static_cast<ptrdiff_t>(y) * k * frame.linesize[0];
    for (int x = 0; x < w; ++x)
        for (int i = 0; i < k; ++i) first[x * k + i] = from[x];
    for (int i = 1; i < k; ++i)
        std::memcpy(first + static_cast<ptrdiff_t>(i) * frame.linesize[0], first, static_cast<size_t>(w * k));
}

void PixelScaler::fillChroma(AVFrame& frame) const {
    const int rows = size().height() / 2;
    for (int c = 0; c < rows; ++c) {
        const int y = 2 * c / scale_;
        if (!changed_[static_cast<size_t>(y)]) continue;
        for (const int plane : {1, 2}) {
            uint8_t* row = frame.data[plane] + static_cast<ptrdiff_t>(c) * frame.linesize[plane];
            const uint8_t* from = yuv_[static_cast<size_t>(plane)].data() + static_cast<ptrdiff_t>(y) * from_.width();
            for (size_t x = 0; x < chromaColumn_.size(); ++x) row[x] = from[chromaColumn_[x]];
        }
    }
}

}  // namespace krivol
