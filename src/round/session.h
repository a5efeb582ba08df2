#pragma once
#include <QStringList>
#include <cstdint>

#include "round/round.h"

namespace krivol {

class RecordingSound : public SoundPort {
public:
    void WAV(const QString& name) override { requests.append(name); }
    QStringList requests;
};

class RecordingLabels : public LabelPort {
public:
    void setLabel1(const QString& text) override { label1 = text; }
    void setLab_P(const QString& text) override { labP = text; }
    QString label1 = QStringLiteral("0");
    QString labP = QStringLiteral("0");
};

// A whole game without a window: state, pictures, one seeded sequence and
// ports that record what would have been heard or shown.
struct Session {
    Session(std::uint32_t seed, const DataFolders& folders)
        : rnd(seed), pics(makeSurfaces()), round(game, folders) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    GameState s;
    Rnd rnd;
    Surfaces pics;
    RecordingSound sound;
    RecordingLabels labels;
    ScreenPort screen;
    Game game{s, pics, rnd, Ports{sound, labels, screen}};
    Round round;
};

}  // namespace krivol
