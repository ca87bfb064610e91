#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "DecimalField.h"
#include "FieldWindow.h"
#include "SpinButtons.h"
#include "TextField.h"

using kelvara::ui::DecimalField;
using kelvara::ui::SpinButtons;
using kelvara::ui::TextField;

class EntryFieldTest : public QObject {
    Q_OBJECT

private slots:
    void focusIsAnnouncedAndSelectsTheText() {
        FieldWindow window(new DecimalField);
        window.field->setValue(1234.5);
        window.next->setFocus();
        QSignalSpy got(window.field, &DecimalField::gotFocus);
        QSignalSpy lost(window.field, &DecimalField::lostFocus);

        QTest::keyClick(window.next, Qt::Key_Backtab);
        QCOMPARE(got.count(), 1);
        QCOMPARE(window.field->selectedText(), window.field->text());

        QTest::keyClick(window.field, Qt::Key_Tab);
        QCOMPARE(lost.count(), 1);

        // A click selects the whole entry as well, so typing replaces it.
        QTest::mouseClick(window.field, Qt::LeftButton, {}, QPoint(5, window.field->height() / 2));
        QCOMPARE(got.count(), 2);
        QCOMPARE(window.field->selectedText(), window.field->text());
        QTest::keyClicks(window.field, "7");
        QCOMPARE(window.field->text(), QString("7"));
    }

    void leavingCommitsBeforeLostFocus() {
        FieldWindow window(new DecimalField);
        double valueWhenLeft = -1;
        QString textWhenLeft;
        connect(window.field, &DecimalField::lostFocus, window.field, [&] {
            valueWhenLeft = window.field->value();
            textWhenLeft = window.field->text();
        });

        window.enter("1234", Qt::Key_Tab);
        QCOMPARE(valueWhenLeft, 1234.0);
        QCOMPARE(textWhenLeft, QString("1 234.00"));
        QVERIFY(window.next->hasFocus());
    }

    void enterCommitsThenReachesTheWindow() {
        FieldWindow window(new DecimalField);
        window.field->setMaximum(100);
        QSignalSpy rangeErrors(window.field, &DecimalField::rangeError);
        QString textAtEnter;
        window.onKey = [&](int) { textAtEnter = window.field->text(); };

        window.enter("55");
        QCOMPARE(window.keysReceived, std::vector<int>{Qt::Key_Return});
        QCOMPARE(textAtEnter, QString("55.00"));

        window.enter("555");  // refused before the window sees Enter
        QCOMPARE(rangeErrors.count(), 1);
        QCOMPARE(textAtEnter, QString("55.00"));
        QCOMPARE(window.keysReceived.size(), std::size_t{2});
        QVERIFY(window.field->hasFocus());
    }

    void escapeReachesTheWindow() {
        FieldWindow window(new TextField(50));
        window.focusField();
        QTest::keyClick(window.field, Qt::Key_Escape);
        QCOMPARE(window.keysReceived, std::vector<int>{Qt::Key_Escape});
    }

    void textFieldKeepsItsLengthLimit() {
        FieldWindow window(new TextField(50));
        QSignalSpy changes(window.field, &TextField::textChanged);

        window.focusField();
        QTest::keyClicks(window.field, QString(60, u'x'));
        QCOMPARE(window.field->text(), QString(50, u'x'));
        QCOMPARE(changes.count(), 50);

        window.field->setText("J. Smith");
        QCOMPARE(changes.count(), 51);
    }

    void spinButtonsStepUpAndDown() {
        SpinButtons spin;
        spin.show();
        QSignalSpy ups(&spin, &SpinButtons::up);
        QSignalSpy downs(&spin, &SpinButtons::down);

        for (const char* button : {"up", "down", "down"})
            QTest::mouseClick(spin.findChild<QToolButton*>(button), Qt::LeftButton);
        QCOMPARE(ups.count(), 1);
        QCOMPARE(downs.count(), 2);
    }
};

QTEST_MAIN(EntryFieldTest)
#include "EntryFieldTest.moc"
