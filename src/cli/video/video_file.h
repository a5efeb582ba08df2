#pragma once
#include <QImage>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

#include "cli/video/av_ptr.h"
#include "cli/video/pixel_scaler.h"
#include "cli/video_format.h"

namespace krivol {

// One encoded stream of the file: its encoder and where its packets go.
struct EncodedStream {
    CodecPtr codec;
    AVStream* stream = nullptr;
    long long nextPts = 0;
};

// A video file being written: pictures of one size at kFramesPerSecond, each
// pixel made `scale` by `scale`, and a mono sound track at kSampleRate,
// encoded as they come, so nothing piles up. Every call returns an error in a
// few words, or an empty string; after the first error the file is of no use.
class VideoFile {
public:
    VideoFile() = default;
    VideoFile(const VideoFile&) = delete;
    VideoFile& operator=(const VideoFile&) = delete;
    ~VideoFile();

    // `size`, of the pictures before scaling, must be even both ways.
    QString open(const QString& path, const VideoFormat& format, QSize size, int scale);
    QSize size() const { return scaler_ ? scaler_->size() : QSize(); }  // scaled, once open
    QString writePicture(const QImage& picture);  // RGB32 of the opened size
    QString writeSound(const float* samples, int count);
    // Drains the encoders, finishes and closes the file.
    QString finish();

private:
    QString openVideo(const VideoFormat& format, QSize size, int scale);
    QString openAudio(const VideoFormat& format);
    QString openStream(EncodedStream& s, const AVCodec* codec, AVDictionary** options);
    QString sendFrame(EncodedStream& s, const AVFrame* frame);
    QString encodeSoundFrame(const float* samples);

    AVFormatContext* format_ = nullptr;
    EncodedStream video_, audio_;
    std::unique_ptr<PixelScaler> scaler_;
    FramePtr picture_, sound_;
    PacketPtr packet_;
    std::vector<float> pendingSound_;  // less than one encoder frame
};

}  // namespace krivol
