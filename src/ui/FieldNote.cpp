#include "FieldNote.h"

#include <QLineEdit>
#include <QTimer>

namespace kelvara::ui {

namespace {

constexpr int ShownForMs = 6000;

}  // namespace

FieldNote::FieldNote(QWidget* field) : QLabel(field->window()), field_(field) {
    setObjectName("fieldNote");
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    setMargin(2);
    hide();
    connect(field, &QObject::destroyed, this, &QObject::deleteLater);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) connect(edit, &QLineEdit::textEdited, this, &QWidget::hide);
}

FieldNote* FieldNote::Of(QWidget* field) {
    if (auto* note = field->property("fieldNote").value<FieldNote*>()) return note;
    auto* note = new FieldNote(field);
    field->setProperty("fieldNote", QVariant::fromValue(note));
    return note;
}

void FieldNote::present(const QString& text) {
    setText(text);
    adjustSize();
    move(field_->mapTo(parentWidget(), QPoint(0, field_->height())));
    show();
    raise();
    QTimer::singleShot(ShownForMs, this, [this, text] {
        if (this->text() == text) hide();
    });
}

}  // namespace kelvara::ui
