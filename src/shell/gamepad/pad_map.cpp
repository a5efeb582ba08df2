#include "shell/gamepad/pad_map.h"

#include <QCoreApplication>

#include "round/keys.h"

namespace krivol {

namespace {

using K = PadAction::Kind;

struct Row {
    PadButton button;
    const char* name;
    PadAction round, idle, endBox;
};

// The whole map; README.md and man/krivol.6 show the same table.
constexpr Row kMap[] = {
    {PadButton::left, "D-pad or stick left", {K::key, key::kLeft}, {}, {}},
    {PadButton::up, "D-pad or stick up", {K::key, key::kUp}, {K::levelStep, -1}, {}},
    {PadButton::right, "D-pad or stick right", {K::key, key::kRight}, {}, {}},
    {PadButton::down, "D-pad or stick down", {K::key, key::kDown}, {K::levelStep, +1}, {}},
    {PadButton::south, "A (south)", {K::key, key::kFire}, {K::start}, {K::closeBox}},
    {PadButton::west, "X (west)", {K::key, key::kFire}, {}, {}},
    {PadButton::east, "B (east)", {}, {}, {K::closeBox}},
    {PadButton::start, "Start", {}, {K::start}, {K::closeBox}},
};

QString said(const PadAction& a) {
    switch (a.kind) {
    case K::none: return QStringLiteral("-");
    case K::key: {
        static const char* const keys[] = {"Left", "Up", "Right", "Down"};
        if (a.code >= key::kLeft && a.code <= key::kDown) return QLatin1String(keys[a.code - key::kLeft]);
        return QStringLiteral("\"1\" (shoot)");
    }
    case K::levelStep: return a.code < 0 ? QStringLiteral("level above") : QStringLiteral("level below");
    case K::start: return QCoreApplication::translate("Form1", "Старт");  // the button, by its label
    case K::closeBox: return QStringLiteral("OK");
    }
    return {};
}

QString columns(const QString& a, const QString& b, const QString& c, const QString& d) {
    return QStringLiteral("  %1 %2 %3 %4\n").arg(a.leftJustified(21), b.leftJustified(13), c.leftJustified(15), d);
}

}  // namespace

PadAction padAction(PadButton button, PadMode mode) {
    for (const Row& r : kMap) {
        if (r.button != button) continue;
        switch (mode) {
        case PadMode::round: return r.round;
        case PadMode::idle: return r.idle;
        case PadMode::endBox: return r.endBox;
        case PadMode::replay: return {};
        }
    }
    return {};
}

QString padHelp() {
    QString text = QStringLiteral("Game controllers (any that SDL knows; while a replay plays they do nothing):\n") +
                   columns(QStringLiteral("button"), QStringLiteral("in a round"), QStringLiteral("between rounds"),
                           QStringLiteral("in an end box"));
    for (const Row& r : kMap)
        text += columns(QString::fromUtf8(r.name), said(r.round), said(r.idle), said(r.endBox));
    return text;
}

}  // namespace krivol
