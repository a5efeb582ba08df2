#include "cli/video/video_file.h"

extern "C" {
#include <libavutil/opt.h>
}

#include "files/local_path.h"

namespace krivol {

namespace {

QString failure(const char* what, int code) { return QStringLiteral("%1 (%2)").arg(QLatin1String(what), avError(code)); }

AVSampleFormat floatFormatOf(const AVCodec* codec) {
    for (const AVSampleFormat* f = codec->sample_fmts; f && *f != AV_SAMPLE_FMT_NONE; ++f)
        if (*f == AV_SAMPLE_FMT_FLTP || *f == AV_SAMPLE_FMT_FLT) return *f;
    return AV_SAMPLE_FMT_NONE;
}

// Above this many pixels a picture, x264's look-ahead and frame threads
// would hold dozens of them: 2.4 GB at --scale 8.
constexpr long long kManyPixels = 2'000'000;

void setVideoOptions(const VideoFormat& format, QSize size, AVDictionary** options) {
    // Flat colours on a still maze: the encoders' fastest settings that keep
    // one-pixel details true. Tuned by encoding a whole round of a shipped
    // level (bench/video_bench.sh).
    if (QLatin1String(format.videoCodec) == QLatin1String("libx264")) {
        const bool large = static_cast<long long>(size.width()) * size.height() > kManyPixels;
        if (!large) {
            av_dict_set(options, "preset", "veryfast", 0);
            av_dict_set(options, "crf", "16", 0);
            return;
        }
        // Slices instead of frames in flight, no look-ahead, and a constant
        // quantizer, which spares the quarter-size copies of every picture
        // that rate control keeps: a few pictures held at any size.
        av_dict_set(options, "preset", "ultrafast", 0);
        av_dict_set(options, "qp", "16", 0);
        av_dict_set(options, "x264-params", "sliced-threads=1:rc-lookahead=0:sync-lookahead=0", 0);
    } else {
        av_dict_set(options, "deadline", "realtime", 0);
        av_dict_set(options, "cpu-used", "8", 0);
        av_dict_set(options, "row-mt", "1", 0);
        av_dict_set(options, "tile-columns", "2", 0);
        av_dict_set(options, "lag-in-frames", "0", 0);
        av_dict_set(options, "aq-mode", "0", 0);
        av_dict_set(options, "static-thresh", "100", 0);
        av_dict_set(options, "crf", "20", 0);
        av_dict_set(options, "b", "0", 0);
    }
}

}  // namespace

VideoFile::~VideoFile() {
    if (format_ && format_->pb) avio_closep(&format_->pb);
    avformat_free_context(format_);
}

QString VideoFile::open(const QString& path, const VideoFormat& format, QSize size, int scale) {
    av_log_set_level(AV_LOG_QUIET);  // every failure is reported in our own words
    // "file:" keeps a colon in a folder's name from being taken for a protocol.
    const QByteArray local = "file:" + pathToLocal(path);
    if (const int e = avformat_alloc_output_context2(&format_, nullptr, format.muxer, local.constData()); e < 0)
        return failure("no muxer", e);
    if (QString error = openVideo(format, size, scale); !error.isEmpty()) return error;
    if (QString error = openAudio(format); !error.isEmpty()) return error;
    if (const int e = avio_open(&format_->pb, local.constData(), AVIO_FLAG_WRITE); e < 0)
        return failure("cannot create it", e);
    AVDictionary* options = nullptr;
    // The index goes first, so a browser can start playing before the end arrives.
    if (QLatin1String(format.muxer) == QLatin1String("mp4")) av_dict_set(&options, "movflags", "+faststart", 0);
    const int e = avformat_write_header(format_, &options);
    av_dict_free(&options);
    if (e < 0) return failure("cannot write its header", e);
    packet_.reset(av_packet_alloc());
    return {};
}

QString VideoFile::openStream(EncodedStream& s, const AVCodec* codec, AVDictionary** options) {
    if (format_->oformat->flags & AVFMT_GLOBALHEADER) s.codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    const int e = avcodec_open2(s.codec.get(), codec, options);
    av_dict_free(options);
    if (e < 0) return failure("cannot start the encoder", e);
    s.stream = avformat_new_stream(format_, nullptr);
    if (!s.stream) return QStringLiteral("out of memory");
    s.stream->time_base = s.codec->time_base;
    avcodec_parameters_from_context(s.stream->codecpar, s.codec.get());
    return {};
}

QString VideoFile::openVideo(const VideoFormat& format, QSize size, int scale) {
    scaler_ = std::make_unique<PixelScaler>(size, scale);
    const AVCodec* codec = avcodec_find_encoder_by_name(format.videoCodec);
    if (!codec) return QStringLiteral("this FFmpeg has no %1 encoder").arg(QLatin1String(format.videoCodec));
    video_.codec.reset(avcodec_alloc_context3(codec));
    AVCodecContext& c = *video_.codec;
    c.width = scaler_->size().width();
    c.height = scaler_->size().height();
    c.pix_fmt = AV_PIX_FMT_YUV420P;
    c.time_base = AVRational{1, kFramesPerSecond};
    c.framerate = AVRational{kFramesPerSecond, 1};
    c.gop_size = 5 * kFramesPerSecond;  // a player can seek to every fifth second
    c.colorspace = AVCOL_SPC_SMPTE170M;
    c.color_primaries = AVCOL_PRI_SMPTE170M;
    c.color_trc = AVCOL_TRC_SMPTE170M;
    c.color_range = AVCOL_RANGE_MPEG;
    AVDictionary* options = nullptr;
    setVideoOptions(format, scaler_->size(), &options);
    av_dict_set(&options, "threads", "auto", 0);  // libvpx would take one thread
    if (QString error = openStream(video_, codec, &options); !error.isEmpty()) return error;
    picture_.reset(av_frame_alloc());
    picture_->format = c.pix_fmt;
    picture_->width = c.width;
    picture_->height = c.height;
    if (av_frame_get_buffer(picture_.get(), 0) < 0) return QStringLiteral("out of memory");
    return {};
}

QString VideoFile::openAudio(const VideoFormat& format) {
    const AVCodec* codec = avcodec_find_encoder_by_name(format.audioCodec);
    if (!codec) return QStringLiteral("this FFmpeg has no %1 encoder").arg(QLatin1String(format.audioCodec));
    audio_.codec.reset(avcodec_alloc_context3(codec));
    AVCodecContext& c = *audio_.codec;
    c.sample_fmt = floatFormatOf(codec);
    c.sample_rate = kSampleRate;
    c.ch_layout = AV_CHANNEL_LAYOUT_MONO;
    c.bit_rate = 96000;
    c.time_base = AVRational{1, kSampleRate};
    if (c.sample_fmt == AV_SAMPLE_FMT_NONE) return QStringLiteral("the sound encoder takes no float samples");
    AVDictionary* options = nullptr;
    if (QString error = openStream(audio_, codec, &options); !error.isEmpty()) return error;
    sound_.reset(av_frame_alloc());
    sound_->format = c.sample_fmt;
    sound_->sample_rate = kSampleRate;
    sound_->nb_samples = c.frame_size > 0 ? c.frame_size : kSamplesPerFrame;
    av_channel_layout_copy(&sound_->ch_layout, &c.ch_layout);
    if (av_frame_get_buffer(sound_.get(), 0) < 0) return QStringLiteral("out of memory");
    return {};
}

QString VideoFile::writePicture(const QImage& picture) {
    if (av_frame_make_writable(picture_.get()) < 0 || !scaler_->fill(picture, *picture_))
        return QStringLiteral("out of memory");
    picture_->pts = video_.nextPts++;
    return sendFrame(video_, picture_.get());
}

QString VideoFile::writeSound(const float* samples, int count) {
    pendingSound_.insert(pendingSound_.end(), samples, samples + count);
    const auto frame = static_cast<size_t>(sound_->nb_samples);
    size_t used = 0;
    for (; pendingSound_.size() - used >= frame; used += frame)
        if (QString error = encodeSoundFrame(pendingSound_.data() + used); !error.isEmpty()) return error;
    pendingSound_.erase(pendingSound_.begin(), pendingSound_.begin() + static_cast<std::ptrdiff_t>(used));
    return {};
}

QString VideoFile::encodeSoundFrame(const float* samples) {
    if (av_frame_make_writable(sound_.get()) < 0) return QStringLiteral("out of memory");
    // One channel: planar and packed floats lie the same way.
    std::copy(samples, samples + sound_->nb_samples, reinterpret_cast<float*>(sound_->data[0]));
    sound_->pts = audio_.nextPts;
    audio_.nextPts += sound_->nb_samples;
    return sendFrame(audio_, sound_.get());
}

QString VideoFile::sendFrame(EncodedStream& s, const AVFrame* frame) {
    int e = avcodec_send_frame(s.codec.get(), frame);
    if (e < 0) return failure("the encoder failed", e);
    while ((e = avcodec_receive_packet(s.codec.get(), packet_.get())) >= 0) {
        // Without it an MP4's edit list ends a picture early, and players lose the last.
        if (packet_->duration == 0 && s.codec->codec_type == AVMEDIA_TYPE_VIDEO) packet_->duration = 1;
        av_packet_rescale_ts(packet_.get(), s.codec->time_base, s.stream->time_base);
        packet_->stream_index = s.stream->index;
        if (const int w = av_interleaved_write_frame(format_, packet_.get()); w < 0) return failure("write failed", w);
    }
    return e == AVERROR(EAGAIN) || e == AVERROR_EOF ? QString() : failure("the encoder failed", e);
}

QString VideoFile::finish() {
    if (!pendingSound_.empty()) {
        pendingSound_.resize(static_cast<size_t>(sound_->nb_samples), 0.0f);
        if (QString error = encodeSoundFrame(pendingSound_.data()); !error.isEmpty()) return error;
        pendingSound_.clear();
    }
    for (EncodedStream* s : {&video_, &audio_})
        if (QString error = sendFrame(*s, nullptr); !error.isEmpty()) return error;
    if (const int e = av_write_trailer(format_); e < 0) return failure("write failed", e);
    const int written = format_->pb->error;
    if (const int e = avio_closep(&format_->pb); e < 0 || written < 0) return failure("write failed", e < 0 ? e : written);
    return {};
}

}  // namespace krivol
