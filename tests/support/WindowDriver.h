#pragma once
#include <QAbstractButton>
#include <QLineEdit>
#include <QMap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <utility>

#include "PrintPanel.h"

namespace kelvara::testing {

// "name=text" pairs: what is typed into fields, or what fields show; typed
// entries may also name a button to click between fields ("!name").
using Entries = QStringList;

std::pair<QString, QString> SplitEntry(const QString& entry);

// Drives a window as a user would: shows it active, types into its fields by
// name, clicks its buttons and spin buttons, and reads what its fields show.
// A control that is not there ends the test with its name.
class WindowDriver {
public:
    WindowDriver() = default;
    explicit WindowDriver(QWidget& window) : window_(&window) {}

    // Drives this window from now on, shown and active: fields show their
    // figures formatted once they lose the focus, which needs an active window.
    void showActive(QWidget& window);
    void drive(QWidget& window) { window_ = &window; }

    // Lets tests name controls by what they hold ("age") where the control's
    // own name says nothing of it ("silgEdit9"); other names are the controls'.
    void nameControls(const QMap<QString, QString>& meanings) { meanings_ = meanings; }

    template <class Control = QWidget>
    Control* find(const QString& name) const {
        auto* control = window_->findChild<Control*>(meanings_.value(name, name));
        if (!control) Missing(name);
        return control;
    }
    bool has(const QString& name) const { return window_->findChild<QWidget*>(meanings_.value(name, name)) != nullptr; }

    QLineEdit* field(const QString& name) const { return find<QLineEdit>(name); }
    QAbstractButton* button(const QString& name) const { return find<QAbstractButton>(name); }

    // Types the text over the field's entry and leaves the field with Tab.
    void type(const QString& name, const QString& text);
    void typeAll(const Entries& entries);
    void click(const QString& name) { button(name)->click(); }
    // Clicks the "up" or "down" button of the named spin buttons.
    void spin(const QString& buttons, const char* direction);

    QString shown(const QString& name) const { return field(name)->displayText(); }
    // The given entries' names, each with what its field shows now: compared
    // with the entries, a difference names the field.
    Entries shownAs(const Entries& expected) const;
    // What a field shows as a number, its thousands spaces left out.
    double shownNumber(const QString& name) const;

    // The print panel a window opens on "&Print".
    ui::PrintPanel& printPanel(const QString& name = "fraPrint") const { return *find<ui::PrintPanel>(name); }

    bool enabled(const QString& name) const { return find(name)->isEnabled(); }
    bool visible(const QString& name) const { return find(name)->isVisible(); }
    bool hasFocus(const QString& name) const { return find(name)->hasFocus(); }

private:
    [[noreturn]] static void Missing(const QString& name);

    QWidget* window_ = nullptr;
    QMap<QString, QString> meanings_;
};

// Types the text over what the field holds and leaves the field, as a user
// does: the field takes the focus, its text is selected, the keys are typed
// and Tab moves on, so the field reads and checks its entry.
void TypeOver(QLineEdit* field, const QString& text);

// Makes the calculator window active again after another window was active,
// as switching between child windows of the main window does.
void ReactivateInWorkArea(QMdiArea& area, QMdiSubWindow& calculator);

}  // namespace kelvara::testing
