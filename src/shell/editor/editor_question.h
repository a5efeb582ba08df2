#pragma once
#include <QString>

class QWidget;

namespace krivol {

// The editor's question with three answers: go on (the default), the
// destructive one, and back out (Esc), named as the box shows them.
enum class Choice { goOn, destroy, backOut };
struct Question {
    const char* name;  // the box's object name, for tests and tools
    QString text, detail;
    QString goOn, destroy, backOut;
};
Choice ask(QWidget& parent, const Question& q);

}  // namespace krivol
