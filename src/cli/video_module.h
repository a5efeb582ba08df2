#pragma once
#include <QSize>
#include <QString>

#include "cli/tick_watcher.h"
#include "cli/video_format.h"
#include "state/data_folders.h"

namespace krivol {

// Videos live in a module of their own (krivol-video.so), so that only
// `replay --video` loads FFmpeg's libraries and every other command starts
// without them. The replay stays the program's: the module only gives it a
// watcher that turns the ticks it is shown into pictures and sound.
class VideoWriter : public TickWatcher {
public:
    // The pictures as the file holds them, scaled.
    virtual QSize size() const = 0;
    // Writes what still waits and closes the file; the first problem met on
    // the way, in a few words, or empty.
    virtual QString finish() = 0;
};

struct VideoSettings {
    QString path;  // written as it comes
    VideoFormat format;
    int scale;
    DataFolders sounds;  // where the game's sounds are looked up
};

// The module's one entry: a writer with its file open, owned by the caller;
// or null, with `error` set in a few words.
using MakeVideoWriter = VideoWriter* (*)(const VideoSettings& settings, QString& error);
inline constexpr char kMakeVideoWriterSymbol[] = "krivolMakeVideoWriter";

}  // namespace krivol
