#pragma once
#include <QLineEdit>
#include <QTest>

namespace kelvara::testing {

// Types the text over what the field holds and leaves the field, as a user
// does: the field takes the focus, its text is selected, the keys are typed
// and Tab moves on, so the field reads and checks its entry.
inline void TypeOver(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
}

}  // namespace kelvara::testing
