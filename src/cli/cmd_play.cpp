#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/key_script.h"
#include "cli/play_options.h"
#include "cli/trace.h"
#include "files/local_path.h"
#include "files/regular_file.h"
#include "round/keys.h"
#include "round/session.h"
#include "round/startup.h"

namespace krivol {

namespace {

const char* endName(RoundEnd end) {
    switch (end) {
    case RoundEnd::Victory: return "victory";
    case RoundEnd::Defeat: return "defeat";
    case RoundEnd::VictoryAndDefeat: return "victory+defeat";
    case RoundEnd::None: break;
    }
    return "";
}

// Drives rounds the way the window's start button and timer would.
class PlayRun {
public:
    PlayRun(const PlayOptions& o, std::vector<KeyEvent> keys, FILE* trace)
        : o_(o), keys_(std::move(keys)), trace_(trace), session_(o.seed, QFileInfo(o.level).absolutePath()) {
        session_.s.SP = 12;
        session_.s.UGAME = 10;
        session_.s.N_KRI = 1;
        drawLegend(session_.pics, session_.s.SP);
        session_.round.pinLevelFile(o.level);
    }

    int run() {
        // The first round is always set up (--ticks 0 shows just its setup);
        // a later one only while ticks remain.
        for (int r = 1; r <= o_.rounds && (r == 1 || !outOfTicks()); ++r) {
            const StartResult started = [this] {
                QuietStderr quiet;
                return session_.round.start();
            }();
            if (!started.started) {
                printErr(QStringLiteral("cannot play %1\n").arg(started.error));
                return kExitFailed;
            }
            write(traceLine(session_.s, tick_, r, takeSounds(), true));
            playRound(r);
        }
        return saveFrame();
    }

private:
    bool outOfTicks() const { return o_.ticks && tick_ >= *o_.ticks; }

    void playRound(int r) {
        while (!outOfTicks()) {
            ++tick_;
            applyKeys();
            const RoundEnd end = session_.round.tick();
            write(traceLine(session_.s, tick_, r, takeSounds(), false));
            if (end == RoundEnd::None) continue;
            write(endLine(tick_, r, endName(end), session_.s.SCORE));
            if (!o_.framePng.isEmpty()) lastFrame_ = session_.pics.Pic1.copy();
            EndDialogPort noBoxes;
            session_.round.finish(end, noBoxes);
            return;
        }
    }

    // The event step of the tick: scripted key-downs and key-ups.
    void applyKeys() {
        for (; nextKey_ < keys_.size() && keys_[nextKey_].tick <= tick_; ++nextKey_) {
            const KeyEvent& e = keys_[nextKey_];
            if (e.tick < tick_) continue;
            if (e.down) keyDown(session_.s, e.code);
            else keyUp(session_.s, e.code);
        }
    }

    QStringList takeSounds() { return std::exchange(session_.sound.requests, {}); }

    void write(const QByteArray& line) {
        lastFrame_ = {};  // Pic1 itself now stands as the last line saw it
        if (!trace_) return;
        std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), trace_);
        std::fputc('\n', trace_);
    }

    int saveFrame() {
        if (o_.framePng.isEmpty()) return kExitOk;
        const QImage& frame = lastFrame_.isNull() ? session_.pics.Pic1 : lastFrame_;
        QFile file;
        const FileProblem problem = openForWriting(o_.framePng, file);
        if (!problem && frame.save(&file, "PNG") && file.flush()) return kExitOk;
        const QString why = problem ? describe(problem) : file.errorString();
        printErr(QStringLiteral("cannot write the frame to %1 (%2)\n").arg(o_.framePng, why));
        return kExitFailed;
    }

    const PlayOptions& o_;
    std::vector<KeyEvent> keys_;
    size_t nextKey_ = 0;
    FILE* trace_;
    Session session_;
    long long tick_ = 0;
    QImage lastFrame_;
};

int traceLost(const QString& path) {
    const int error = errno;
    printErr(QStringLiteral("cannot write the trace to %1 (%2)\n")
                 .arg(path, QString::fromLocal8Bit(std::strerror(error ? error : EIO))));
    return kExitFailed;
}

struct FileCloser {
    void operator()(FILE* f) const {
        if (f && f != stdout) std::fclose(f);
    }
};

}  // namespace

int runPlay(const QStringList& args) {
    const ParsedPlay parsed = parsePlayOptions(args);
    if (parsed.exitNow) return *parsed.exitNow;
    const PlayOptions& o = parsed.options;
    KeyScript keys;
    if (!o.keysFile.isEmpty()) {
        keys = readKeyScript(o.keysFile);
        if (!keys.error.isEmpty()) {
            printErr(keys.error + QLatin1Char('\n'));
            return kExitUsage;
        }
    }
    std::unique_ptr<FILE, FileCloser> trace;
    if (o.traceFile == QLatin1String("-")) trace.reset(stdout);
    else if (!o.traceFile.isEmpty()) trace.reset(std::fopen(pathToLocal(o.traceFile).constData(), "wb"));
    if (!o.traceFile.isEmpty() && !trace) return traceLost(o.traceFile);
    PlayRun run(o, std::move(keys.events), trace.get());
    const int code = run.run();
    // Standard output is checked, and its loss reported, on the way out.
    const bool toFile = trace && trace.get() != stdout;
    if (toFile && (std::fflush(trace.get()) != 0 || std::ferror(trace.get()))) return traceLost(o.traceFile);
    return code;
}

}  // namespace krivol
