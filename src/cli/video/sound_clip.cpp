#include "cli/video/sound_clip.h"

#include <algorithm>
#include <cstring>

#include "cli/video/av_ptr.h"
#include "cli/video_format.h"

namespace krivol {

namespace {

// The file's bytes, read by FFmpeg as if from a file.
struct MemoryReader {
    const QByteArray& bytes;
    qsizetype at = 0;

    static int read(void* self, uint8_t* into, int size) {
        auto& r = *static_cast<MemoryReader*>(self);
        const int n = static_cast<int>(std::min<qsizetype>(size, r.bytes.size() - r.at));
        if (n <= 0) return AVERROR_EOF;
        std::memcpy(into, r.bytes.constData() + r.at, static_cast<size_t>(n));
        r.at += n;
        return n;
    }
    static int64_t seek(void* self, int64_t offset, int whence) {
        auto& r = *static_cast<MemoryReader*>(self);
        if (whence == AVSEEK_SIZE) return r.bytes.size();
        const int64_t base = whence == SEEK_CUR ? r.at : whence == SEEK_END ? r.bytes.size() : 0;
        if (base + offset < 0 || base + offset > r.bytes.size()) return -1;
        r.at = static_cast<qsizetype>(base + offset);
        return r.at;
    }
};

// Everything an open input needs, closed in the right order.
class Input {
public:
    explicit Input(const QByteArray& bytes) : reader_{bytes} {}
    ~Input() {
        avformat_close_input(&format_);
        if (io_) av_freep(&io_->buffer);
        avio_context_free(&io_);
    }
    Input(const Input&) = delete;
    Input& operator=(const Input&) = delete;

    bool open() {
        constexpr int kBuffer = 4096;
        auto* buffer = static_cast<unsigned char*>(av_malloc(kBuffer));
        io_ = avio_alloc_context(buffer, kBuffer, 0, &reader_, MemoryReader::read, nullptr, MemoryReader::seek);
        format_ = avformat_alloc_context();
        if (!io_ || !format_) return false;
        format_->pb = io_;
        if (avformat_open_input(&format_, nullptr, av_find_input_format("wav"), nullptr) < 0) return false;
        if (avformat_find_stream_info(format_, nullptr) < 0) return false;
        const AVCodec* decoder = nullptr;
        stream_ = av_find_best_stream(format_, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
        if (stream_ < 0) return false;
        codec_.reset(avcodec_alloc_context3(decoder));
        avcodec_parameters_to_context(codec_.get(), format_->streams[stream_]->codecpar);
        return avcodec_open2(codec_.get(), decoder, nullptr) >= 0 && codec_->ch_layout.nb_channels > 0;
    }

    // Decodes every packet, handing each frame to `take`.
    template <typename Take>
    void decode(Take take) {
        PacketPtr packet(av_packet_alloc());
        FramePtr frame(av_frame_alloc());
        auto drain = [&] {
            while (avcodec_receive_frame(codec_.get(), frame.get()) >= 0) take(*frame);
        };
        while (av_read_frame(format_, packet.get()) >= 0) {
            if (packet->stream_index == stream_ && avcodec_send_packet(codec_.get(), packet.get()) >= 0) drain();
            av_packet_unref(packet.get());
        }
        avcodec_send_packet(codec_.get(), nullptr);
        drain();
    }

    const AVCodecContext& codec() const { return *codec_; }

private:
    MemoryReader reader_;
    AVIOContext* io_ = nullptr;
    AVFormatContext* format_ = nullptr;
    CodecPtr codec_;
    int stream_ = -1;
};

SwrPtr toTrack(const AVCodecContext& in) {
    SwrContext* swr = nullptr;
    AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
    AVChannelLayout from = in.ch_layout;  // FFmpeg 5 takes them unqualified; it only reads them
    if (swr_alloc_set_opts2(&swr, &mono, AV_SAMPLE_FMT_FLT, kSampleRate, &from, in.sample_fmt,
                            in.sample_rate, 0, nullptr) < 0)
        return nullptr;
    SwrPtr owned(swr);
    return swr_init(swr) < 0 ? nullptr : std::move(owned);
}

void append(SwrContext* swr, const uint8_t** in, int count, std::vector<float>& out) {
    const int room = swr_get_out_samples(swr, count);
    if (room <= 0) return;
    const size_t at = out.size();
    out.resize(at + static_cast<size_t>(room));
    auto* into = reinterpret_cast<uint8_t*>(out.data() + at);
    const int made = swr_convert(swr, &into, room, in, count);
    out.resize(at + static_cast<size_t>(std::max(made, 0)));
}

}  // namespace

std::vector<float> decodeSound(const QByteArray& bytes) {
    Input input(bytes);
    if (!input.open()) return {};
    SwrPtr swr = toTrack(input.codec());
    if (!swr) return {};
    std::vector<float> samples;
    input.decode([&](const AVFrame& frame) {
        append(swr.get(), const_cast<const uint8_t**>(frame.extended_data), frame.nb_samples, samples);
    });
    append(swr.get(), nullptr, 0, samples);
    return samples;
}

}  // namespace krivol
