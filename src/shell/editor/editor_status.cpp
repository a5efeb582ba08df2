#include "shell/editor/editor_status.h"

#include <QStringList>

#include "shell/level_messages.h"

namespace krivol {

namespace {

QString kindName(Integer code) {
    if (code == cell::kWall) return QStringLiteral("стена");
    if (code == cell::kDot) return QStringLiteral("коридор с точкой");
    return QStringLiteral("пустой пол");
}

}  // namespace

QString checkPanelText(const LevelDraft& draft) {
    const LevelCheck& check = draft.check();
    QStringList lines;
    if (check.playable()) {
        lines << QStringLiteral("<b style='color:#006400'>Уровень можно играть.</b>");
    } else {
        lines << QStringLiteral("<b style='color:#b00000'>Уровень нельзя играть:</b> %1.").arg(russianReason(check).toHtmlEscaped());
    }
    lines << QStringLiteral("Точек в столбцах и строках 2..49: <b>%1</b> (нужно не меньше %2).")
                 .arg(check.dots)
                 .arg(kDotsNeeded);
    if (!check.openings.empty())
        lines << QStringLiteral("<span style='color:#b00000'>Открытых клеток на внешнем кольце: %1 (отмечены красным).</span>")
                     .arg(check.openings.size());
    if (check.unreachableDots > 0)
        lines << QStringLiteral("Точек, до которых герою не дойти: %1 (затенены); предметы там не собрать.")
                     .arg(check.unreachableDots);
    if (check.startIsWall)
        lines << QStringLiteral("<span style='color:#c06000'>Внимание: начальная клетка героя (столбец %1, строка %2) — "
                                "стена, герой начнёт внутри стены.</span>")
                     .arg(kHeroStartCell.x())
                     .arg(kHeroStartCell.y());
    return lines.join(QStringLiteral("<br>"));
}

QString cursorText(const LevelDraft& draft, QPoint cell) {
    return QStringLiteral("Курсор: столбец %1, строка %2 — %3")
        .arg(cell.x())
        .arg(cell.y())
        .arg(kindName(draft.grid()(cell.x(), cell.y())));
}

}  // namespace krivol
