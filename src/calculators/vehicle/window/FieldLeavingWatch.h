#pragma once
#include <QObject>

namespace kelvara::ui {
class EntryField;
}

namespace kelvara {

// Tells when the user leaves an entry field for another control of the same
// window. The focus passing to another window (a message box, say) is not
// leaving the field, and neither is a focus change on which the field refused
// its entry and took the focus back.
class FieldLeavingWatch : public QObject {
    Q_OBJECT

public:
    explicit FieldLeavingWatch(ui::EntryField* field);

    // The field refused its entry; if it is being left, it is not left after all.
    void entryRefused() { refusedOnLeaving_ = true; }

signals:
    void left();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ui::EntryField* field_;
    bool otherWindow_ = false;
    bool refusedOnLeaving_ = false;
};

}  // namespace kelvara
