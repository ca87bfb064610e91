#pragma once
#include <QLabel>

namespace kelvara::ui {

// A short note shown just under an entry field, over whatever lies there, in
// the colours of a tooltip: it tells without a message box. It stays until
// the field is edited again or a few seconds have passed.
class FieldNote : public QLabel {
    Q_OBJECT

public:
    // The field's note, made on first use.
    static FieldNote* Of(QWidget* field);

    void present(const QString& text);

private:
    explicit FieldNote(QWidget* field);

    QWidget* field_;
};

}  // namespace kelvara::ui
