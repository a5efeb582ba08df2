#pragma once
#include <QImage>
#include <QSize>
#include <array>
#include <vector>

#include "cli/video/av_ptr.h"

namespace krivol {

// Makes the encoder's YUV 4:2:0 picture of a picture in window pixels, every
// pixel `scale` by `scale`. The colours are converted at the small size and
// then repeated, and only in the rows that changed since the last picture:
// between two pictures only the figures move. At an even scale each sample
// of the halved colour planes covers one window pixel exactly, so no colour
// bleeds into its neighbour.
class PixelScaler {
public:
    PixelScaler(QSize from, int scale);  // `from` even both ways

    QSize size() const { return from_ * scale_; }
    // `picture`: RGB32 of the `from` size. `frame`: YUV420P of size(),
    // holding the last picture filled (av_frame_make_writable keeps it).
    bool fill(const QImage& picture, AVFrame& frame);

private:
    void convertRow(const QImage& picture, int y);
    void fillLuma(int y, AVFrame& frame) const;
    void fillChroma(AVFrame& frame) const;

    QSize from_;
    int scale_;
    SwsPtr rowToYuv_;                          // one row at a time
    std::array<std::vector<uint8_t>, 3> yuv_;  // full-resolution planes at `from`
    std::vector<int> chromaColumn_;            // chroma sample -> window column
    std::vector<char> changed_;                // of the rows, in this picture
    QImage last_;                              // the last picture filled
};

}  // namespace krivol
