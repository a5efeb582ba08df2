#include "shell/editor/editor_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/editor/editor_canvas.h"
#include "shell/editor/editor_status.h"
#include "shell/editor/editor_text.h"

namespace krivol {

namespace {

constexpr int kPanelWidth = 270;

}  // namespace

EditorPanel::EditorPanel(const LevelDraft& draft, EditorCanvas& canvas, QWidget* parent)
    : QWidget(parent), draft_(draft), canvas_(canvas) {
    setFixedWidth(kPanelWidth);
    auto* column = new QVBoxLayout(this);  // the panel owns its widgets
    auto heading = [&](const QString& text) { column->addWidget(new QLabel(QStringLiteral("<b>%1</b>").arg(text), this)); };
    auto wrapped = [&](const QString& name) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        label->setWordWrap(true);
        label->setTextFormat(Qt::RichText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        column->addWidget(label);
        return label;
    };
    heading(EditorText::tr("Проверка уровня"));
    check_ = wrapped(QStringLiteral("checkText"));
    cursor_ = wrapped(QStringLiteral("cursorText"));
    heading(EditorText::tr("Случайный лабиринт"));
    auto* seedRow = new QHBoxLayout;
    seedRow->addWidget(new QLabel(EditorText::tr("Зерно:"), this));
    seedEdit_ = new QLineEdit(this);
    seedEdit_->setObjectName(QStringLiteral("seedEdit"));
    seedEdit_->setPlaceholderText(EditorText::tr("число"));
    seedRow->addWidget(seedEdit_);
    auto* make = new QPushButton(EditorText::tr("Создать"), this);
    make->setFocusPolicy(Qt::NoFocus);
    seedRow->addWidget(make);
    column->addLayout(seedRow);
    const auto fromField = [this] {
        bool ok = false;
        const qulonglong seed = seedEdit_->text().trimmed().toULongLong(&ok);
        if (ok && seed <= 0xFFFFFFFFull) {
            if (seedChosen) seedChosen(static_cast<std::uint32_t>(seed));
        } else if (warn) {
            warn(EditorText::tr("Случайный лабиринт"), EditorText::tr("Зерно — целое число от 0 до 4294967295."));
        }
        canvas_.setFocus();
    };
    QObject::connect(seedEdit_, &QLineEdit::returnPressed, this, fromField);
    QObject::connect(make, &QPushButton::clicked, this, fromField);
    note_ = wrapped(QStringLiteral("noteText"));
    column->addStretch(1);
    auto* keys = wrapped(QStringLiteral("keysText"));
    keys->setText(EditorText::tr(
        "<small>Левая кнопка мыши — выбранная клетка, правая — пустой пол. Стрелки — курсор, "
        "Shift+стрелки — рисовать, Пробел — инструмент на курсоре (линия и прямоугольник: "
        "два нажатия, Esc — отмена). 1, 2, 3 — стена, коридор, пол; 4–8 — инструменты; "
        "9 — зеркало; F5 — играть.</small>"));

    draft_.observe(this, [this] {
        refreshCheck();
        refreshCursor();
    });
    canvas.cursorMoved = [this] { refreshCursor(); };
    refreshCheck();
    refreshCursor();
}

void EditorPanel::showNote(const QString& note) { note_->setText(note.toHtmlEscaped()); }

void EditorPanel::showSeed(std::uint32_t seed) { seedEdit_->setText(QString::number(seed)); }

QString EditorPanel::text() const { return check_->text() + QLatin1Char('\n') + note_->text(); }

void EditorPanel::refreshCheck() { check_->setText(checkPanelText(draft_)); }

void EditorPanel::refreshCursor() { cursor_->setText(cursorText(draft_, canvas_.cursorCell()).toHtmlEscaped()); }

}  // namespace krivol
