#pragma once
#include <QAbstractButton>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "TypeOver.h"
#include "PrintPanel.h"
#include "SpinButtons.h"

namespace kelvara::testing {

// Drives a finance window as a user would: typing into its fields by name,
// clicking its buttons and spin buttons, reading what the fields show.
class FinanceWindowDriver {
public:
    explicit FinanceWindowDriver(QWidget& window) : window_(window) {}

    // Types the text over the field's entry and leaves the field.
    void type(const char* field, const QString& text) {
        auto* edit = window_.findChild<QLineEdit*>(field);
        TypeOver(edit, text);
    }

    void click(const char* button) { window_.findChild<QAbstractButton*>(button)->click(); }

    void spin(const char* buttons, const char* direction) {
        window_.findChild<ui::SpinButtons*>(buttons)->findChild<QToolButton*>(direction)->click();
    }

    QString shown(const char* field) const { return window_.findChild<QLineEdit*>(field)->displayText(); }

    ui::PrintPanel& printFrame() const { return *window_.findChild<ui::PrintPanel*>("fraPrint"); }

    bool hasFocus(const char* name) const { return window_.findChild<QWidget*>(name)->hasFocus(); }

private:
    QWidget& window_;
};

// Makes the calculator window active again after another window was active,
// as switching between child windows of the main window does.
inline void ReactivateInWorkArea(QMdiArea& area, QMdiSubWindow& calculator) {
    QMdiSubWindow* other = area.addSubWindow(new QWidget);
    area.show();
    calculator.show();
    other->show();
    area.setActiveSubWindow(other);
    area.setActiveSubWindow(&calculator);
}

}  // namespace kelvara::testing
