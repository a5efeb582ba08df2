#pragma once
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}
#include <QString>
#include <memory>

namespace krivol {

// FFmpeg's objects, each freed by its own call.
struct AvFree {
    void operator()(AVCodecContext* p) const { avcodec_free_context(&p); }
    void operator()(AVFrame* p) const { av_frame_free(&p); }
    void operator()(AVPacket* p) const { av_packet_free(&p); }
    void operator()(SwsContext* p) const { sws_freeContext(p); }
    void operator()(SwrContext* p) const { swr_free(&p); }
};
using CodecPtr = std::unique_ptr<AVCodecContext, AvFree>;
using FramePtr = std::unique_ptr<AVFrame, AvFree>;
using PacketPtr = std::unique_ptr<AVPacket, AvFree>;
using SwsPtr = std::unique_ptr<SwsContext, AvFree>;
using SwrPtr = std::unique_ptr<SwrContext, AvFree>;

// FFmpeg's words for an error code.
inline QString avError(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

}  // namespace krivol
