#include "shell/editor/editor_question.h"

#include <QMessageBox>
#include <QPushButton>

#include "shell/editor/editor_text.h"

namespace krivol {

Choice ask(QWidget& parent, const Question& q) {
    QMessageBox box(QMessageBox::Question, EditorText::tr("Редактор уровней Krivol"), q.text, QMessageBox::NoButton,
                    &parent);
    box.setObjectName(QLatin1String(q.name));
    if (!q.detail.isEmpty()) box.setInformativeText(q.detail);
    QPushButton* goOn = box.addButton(q.goOn, QMessageBox::AcceptRole);
    QPushButton* destroy = box.addButton(q.destroy, QMessageBox::DestructiveRole);
    QPushButton* backOut = box.addButton(q.backOut, QMessageBox::RejectRole);
    box.setDefaultButton(goOn);
    box.setEscapeButton(backOut);
    box.exec();
    if (box.clickedButton() == goOn) return Choice::goOn;
    if (box.clickedButton() == destroy) return Choice::destroy;
    return Choice::backOut;
}

}  // namespace krivol
