#pragma once
#include <QString>
#include <QStringList>

#include "replay/session_clock.h"
#include "round/session.h"

namespace krivol {

// Sees what the window would show: the field after a round's setup and after
// each of its ticks, then each end box over the field as the last tick left
// it; with the sounds requested since the last thing shown.
class TickWatcher {
public:
    virtual ~TickWatcher() = default;
    virtual void shown(const Session& session, const SessionClock& clock, const QStringList& sounds) = 0;
    virtual void boxShown(const Session& session, const QString& text, const QStringList& sounds) = 0;
    // The replay stops in a round the recording does not finish: the field as
    // its last recorded tick left it, under `caption`, and no end box.
    virtual void cutShown(const Session& session, const QString& caption) = 0;
    // The round is over, or the replay stops playing it.
    virtual void stopped() {}
    // Asked before each tick and round: true ends the run where it is.
    virtual bool stopAsked() const { return false; }
};

}  // namespace krivol
