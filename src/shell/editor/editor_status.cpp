#include "shell/editor/editor_status.h"

#include <QStringList>

#include "shell/editor/editor_text.h"
#include "shell/level_messages.h"

namespace krivol {

namespace {

QString kindName(Integer code) {
    if (code == cell::kWall) return EditorText::tr("стена");
    if (code == cell::kDot) return EditorText::tr("коридор с точкой");
    return EditorText::tr("пустой пол");
}

}  // namespace

QString checkPanelText(const LevelDraft& draft) {
    const LevelCheck& check = draft.check();
    QStringList lines;
    if (check.playable()) {
        lines << EditorText::tr("<b style='color:#006400'>Уровень можно играть.</b>");
    } else {
        lines << EditorText::tr("<b style='color:#b00000'>Уровень нельзя играть:</b> %1.").arg(levelReason(check).toHtmlEscaped());
    }
    lines << EditorText::tr("Точек в столбцах и строках 2..49: <b>%1</b> (нужно не меньше %2).")
                 .arg(check.dots)
                 .arg(kDotsNeeded);
    if (!check.openings.empty())
        lines << EditorText::tr("<span style='color:#b00000'>Открытых клеток на внешнем кольце: %1 (отмечены красным).</span>")
                     .arg(check.openings.size());
    if (check.unreachableDots > 0)
        lines << EditorText::tr("Точек, до которых герою не дойти: %1 (затенены); предметы там не собрать.")
                     .arg(check.unreachableDots);
    if (check.startIsWall)
        lines << EditorText::tr("<span style='color:#c06000'>Внимание: начальная клетка героя (столбец %1, строка %2) — "
                                "стена, герой начнёт внутри стены.</span>")
                     .arg(kHeroStartCell.x())
                     .arg(kHeroStartCell.y());
    return lines.join(QStringLiteral("<br>"));
}

QString cursorText(const LevelDraft& draft, QPoint cell) {
    return EditorText::tr("Курсор: столбец %1, строка %2 — %3")
        .arg(cell.x())
        .arg(cell.y())
        .arg(kindName(draft.grid()(cell.x(), cell.y())));
}

}  // namespace krivol
