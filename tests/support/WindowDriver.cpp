#include "WindowDriver.h"

#include <QLocale>
#include <QTest>
#include <QToolButton>

#include "SpinButtons.h"

namespace kelvara::testing {

std::pair<QString, QString> SplitEntry(const QString& entry) {
    const qsizetype at = entry.indexOf('=');
    return {entry.left(at), entry.mid(at + 1)};
}

void TypeOver(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
}

void ReactivateInWorkArea(QMdiArea& area, QMdiSubWindow& calculator) {
    QMdiSubWindow* other = area.addSubWindow(new QWidget);
    area.show();
    calculator.show();
    other->show();
    area.setActiveSubWindow(other);
    area.setActiveSubWindow(&calculator);
}

void WindowDriver::showActive(QWidget& window) {
    window_ = &window;
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) qFatal("window %s never became active", qPrintable(window.objectName()));
}

void WindowDriver::type(const QString& name, const QString& text) { TypeOver(field(name), text); }

void WindowDriver::typeAll(const Entries& entries) {
    for (const QString& entry : entries) {
        if (entry.startsWith('!')) {
            click(entry.mid(1));
            continue;
        }
        const auto [name, text] = SplitEntry(entry);
        type(name, text);
    }
}

void WindowDriver::spin(const QString& buttons, const char* direction) {
    find<ui::SpinButtons>(buttons)->findChild<QToolButton*>(direction)->click();
}

Entries WindowDriver::shownAs(const Entries& expected) const {
    Entries shownNow;
    for (const QString& entry : expected) {
        const QString name = SplitEntry(entry).first;
        shownNow << name + '=' + shown(name);
    }
    return shownNow;
}

double WindowDriver::shownNumber(const QString& name) const { return QLocale::c().toDouble(shown(name).remove(' ')); }

void WindowDriver::Missing(const QString& name) { qFatal("the window has no control %s", qPrintable(name)); }

}  // namespace kelvara::testing
