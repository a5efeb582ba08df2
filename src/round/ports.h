#pragma once
#include <QString>

#include "render/damage.h"

namespace krivol {

// What leaves the core. Each has a do-nothing default so a headless driver
// only overrides what it records.

class SoundPort {  // WAV: play a file of the program's folder; "" stops.
public:
    virtual ~SoundPort() = default;
    virtual void WAV(const QString& name) { (void)name; }
};

class LabelPort {  // captions of Label1 (score) and Lab_P (shots left)
public:
    virtual ~LabelPort() = default;
    virtual void setLabel1(const QString& text) { (void)text; }
    virtual void setLab_P(const QString& text) { (void)text; }
};

class ScreenPort {  // Refresh of the picture boxes the player sees
public:
    virtual ~ScreenPort() = default;
    // `changed` says which pixels of Pic1 differ from what was last shown.
    virtual void refreshPic1(const Damage& changed) { (void)changed; }
    virtual void refreshPicLOAD() {}
};

class EndDialogPort {  // the modal boxes at the end of a round
public:
    virtual ~EndDialogPort() = default;
    virtual void showVictory() {}
    virtual void showDefeat() {}
};

struct Ports {
    SoundPort& sound;
    LabelPort& labels;
    ScreenPort& screen;
};

}  // namespace krivol
