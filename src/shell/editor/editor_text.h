#pragma once
#include <QCoreApplication>

namespace krivol {

// The editor's texts, in one translation context whichever file shows them.
struct EditorText {
    Q_DECLARE_TR_FUNCTIONS(Editor)
};

}  // namespace krivol
