#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <tuple>

#include "DecimalField.h"
#include "FieldWindow.h"
#include "TableRows.h"
#include "WholeNumberField.h"

using kelvara::testing::Table;
using kelvara::ui::DecimalField;
using kelvara::ui::WholeNumberField;

namespace {

using Numbers = QList<double>;

// The rows of the tables, their columns as the tests name them.
using ShapeRow = std::tuple<int, int, double, QString, QString>;
using CommitRow = std::tuple<double, double, QString, Qt::Key, double, QString, Numbers>;
using ShownRow = std::tuple<int, double, QString>;
using NoteRow = std::tuple<int, double, QString, bool, QString>;

}  // namespace

Q_DECLARE_METATYPE(ShapeRow)
Q_DECLARE_METATYPE(CommitRow)
Q_DECLARE_METATYPE(ShownRow)
Q_DECLARE_METATYPE(NoteRow)

class NumericFieldTest : public QObject {
    Q_OBJECT

private slots:
    void keystrokesOutsideTheShapeAreRefused_data() {
        const Table<ShapeRow> row;
        row("integer digits capped", 2, 3, 0.0, "12345", "123");
        row("decimals capped", 2, 8, 0.0, "1.2345", "1.23");
        row("one point only", 2, 8, 0.0, "1.2.3", "1.23");
        row("no point without decimals", 0, 8, 0.0, "12.5", "125");
        row("minus refused at minimum 0", 2, 8, 0.0, "-5", "5");
        row("minus taken below 0", 2, 8, -10.0, "-5", "-5");
        row("minus only in front", 2, 8, -10.0, "5-", "5");
        row("letters refused", 2, 8, 0.0, "1a2,b", "12");
        row("spaces do not count as digits", 0, 4, 0.0, "1 234", "1 234");
    }
    void keystrokesOutsideTheShapeAreRefused() {
        QFETCH(ShapeRow, row);
        const auto& [decimals, integerDigits, minimum, keys, shown] = row;
        FieldWindow window(new DecimalField);
        window.field->setDecimals(decimals);
        window.field->setIntegerDigits(integerDigits);
        window.field->setMinimum(minimum);
        window.focusField();
        QTest::keyClicks(window.field, keys);
        QCOMPARE(window.field->text(), shown);
    }

    // The field holds 25 when the keys are typed over it.
    void committedEntriesAreCheckedAgainstTheLimits_data() {
        const Table<CommitRow> row;
        const double big = 99999999.99;
        row("within limits, Enter", 0.0, big, "1234567.8", Qt::Key_Return, 1234567.8, "1 234 567.80", Numbers{});
        row("within limits, Tab", 0.0, big, "42", Qt::Key_Tab, 42.0, "42.00", Numbers{});
        row("above maximum", 0.0, 40.0, "40.01", Qt::Key_Return, 25.0, "25.00", Numbers{40.01});
        row("below minimum, on leaving", 10.0, big, "9.99", Qt::Key_Tab, 25.0, "25.00", Numbers{9.99});
        row("negative below minimum", -5.0, 40.0, "-6", Qt::Key_Return, 25.0, "25.00", Numbers{-6.0});
        row("limits themselves", -5.0, 40.0, "-5", Qt::Key_Return, -5.0, "-5.00", Numbers{});
        row("empty reads 0", 0.0, big, "", Qt::Key_Return, 0.0, "0.00", Numbers{});
        row("empty below minimum 1", 1.0, big, "", Qt::Key_Return, 25.0, "25.00", Numbers{0.0});
    }
    void committedEntriesAreCheckedAgainstTheLimits() {
        QFETCH(CommitRow, row);
        const auto& [minimum, maximum, keys, commitKey, value, shown, refused] = row;  // refused: by rangeError
        FieldWindow window(new DecimalField);
        window.field->setIntegerDigits(8);
        window.field->setRange(minimum, maximum);
        window.field->setValue(25);
        QSignalSpy rangeErrors(window.field, &DecimalField::rangeError);

        window.focusField();
        QTest::keyClick(window.field, Qt::Key_Backspace);
        QTest::keyClicks(window.field, keys);
        QTest::keyClick(window.field, commitKey);

        QCOMPARE(window.field->value(), value);
        QCOMPARE(window.field->text(), shown);
        QCOMPARE(Arguments<double>(rangeErrors), refused);
    }

    // The window stores each change at once, so every edit that the field would
    // accept is announced; one beyond the limits is not, and its refusal
    // announces the return to the last accepted value.
    void valueFollowsTypingWithinTheLimits() {
        FieldWindow window(new DecimalField);
        window.field->setRange(0, 40);
        window.field->setValue(25);
        QSignalSpy changes(window.field, &DecimalField::valueChanged);

        window.focusField();
        QTest::keyClicks(window.field, "35");
        QCOMPARE(Arguments<double>(changes), Numbers({3, 35}));
        QCOMPARE(window.field->value(), 35.0);

        QTest::keyClick(window.field, Qt::Key_Backspace);  // 3
        QTest::keyClicks(window.field, "9");               // 39
        QTest::keyClicks(window.field, "9");               // 399: beyond the maximum
        QCOMPARE(window.field->value(), 39.0);
        QCOMPARE(changes.count(), 4);

        QTest::keyClick(window.field, Qt::Key_Return);
        QCOMPARE(window.field->value(), 25.0);
        QCOMPARE(Arguments<double>(changes), Numbers({3, 35, 3, 39, 25}));
    }

    void setValueAnnouncesAChangeAndShowsGroupedDigits_data() {
        const Table<ShownRow> row;
        row("money", 2, 1234567.891, "1 234 567.89");
        row("whole rand", 0, 12345678.0, "12 345 678");
        row("negative", 2, -1234.5, "-1 234.50");
        row("one decimal", 1, 23.2474, "23.2");
        row("below one", 2, 0.5, "0.50");
    }
    void setValueAnnouncesAChangeAndShowsGroupedDigits() {
        QFETCH(ShownRow, row);
        const auto& [decimals, value, shown] = row;
        DecimalField field;
        field.setDecimals(decimals);
        field.setMinimum(-1e9);
        QSignalSpy changes(&field, &DecimalField::valueChanged);

        field.setValue(value);
        QCOMPARE(field.text(), shown);
        QCOMPARE(field.value(), value);
        QCOMPARE(Arguments<double>(changes), Numbers{value});
        field.setValue(value);  // no change, no notification
        QCOMPARE(changes.count(), 1);
        QCOMPARE(field.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    }

    // Tabbing through a field must not replace the figure the program put
    // there with its rounded display.
    void passingThroughLeavesAProgramValueUnrounded() {
        FieldWindow window(new DecimalField);
        window.field->setDecimals(1);
        window.field->setValue(23.2474);
        QSignalSpy changes(window.field, &DecimalField::valueChanged);

        window.focusField();
        QTest::keyClick(window.field, Qt::Key_Tab);
        QCOMPARE(window.field->value(), 23.2474);
        QCOMPARE(changes.count(), 0);
    }

    // The calculators answer a refusal with a message and put the focus back,
    // from inside the handler.
    void focusCanBePutBackFromTheRangeHandler() {
        FieldWindow window(new DecimalField);
        window.field->setMaximum(100);
        connect(window.field, &DecimalField::rangeError, window.field, [&] { window.field->setFocus(); });

        window.enter("500", Qt::Key_Tab);
        QVERIFY(window.field->hasFocus());
        QCOMPARE(window.field->value(), 0.0);
    }

    void wholeNumberFieldHoldsAndAnnouncesIntegers() {
        FieldWindow window(new WholeNumberField);
        window.field->setIntegerDigits(2);
        window.field->setRange(1, 40);
        QSignalSpy changes(window.field, &WholeNumberField::valueChanged);
        QSignalSpy rangeErrors(window.field, &WholeNumberField::rangeError);

        window.field->setValue(1234567);
        QCOMPARE(window.field->text(), QString("1 234 567"));
        QCOMPARE(Arguments<qint32>(changes), QList<qint32>{1234567});

        window.enter("7.5");  // the point cannot be typed
        QCOMPARE(window.field->value(), 1234567);
        QCOMPARE(Arguments<double>(rangeErrors), Numbers{75});

        window.enter("12");
        QCOMPARE(window.field->value(), 12);
        QCOMPARE(window.field->text(), QString("12"));
    }

    void readOnlyFieldTakesNoTyping() {
        FieldWindow window(new DecimalField);
        window.field->setValue(5);
        window.field->setReadOnly(true);
        QSignalSpy changes(window.field, &DecimalField::valueChanged);

        window.enter("9");
        QCOMPARE(window.field->value(), 5.0);
        QCOMPARE(window.field->text(), QString("5.00"));
        QCOMPARE(changes.count(), 0);
    }

    // A field whose window gives no range message of its own tells the user
    // itself, beside the field and without a message box.
    void anUnansweredRefusalShowsTheRange_data() {
        const Table<NoteRow> row;
        row("entry over the limit", 0, 14.0, "15", false, "15 is out of range. This field takes 0 to 14.");
        row("percentage over 100", 3, 100.0, "150", false,
            "150.000 is out of range. This field takes 0.000 to 100.000.");
        row("a digit too many", 0, 99999999.0, "123456789", false, "This field takes 0 to 99 999 999.");
        row("answered by the window", 0, 14.0, "15", true, "");
    }
    void anUnansweredRefusalShowsTheRange() {
        QFETCH(NoteRow, row);
        const auto& [decimals, maximum, keys, answered, tip] = row;  // answered: the window answers rangeError
        FieldWindow window(new DecimalField);
        window.field->setDecimals(decimals);
        window.field->setIntegerDigits(8);
        window.field->setMaximum(maximum);
        if (answered) connect(window.field, &DecimalField::rangeError, this, [] {});
        window.enter(keys, Qt::Key_Tab);
        auto* note = window.findChild<QLabel*>("fieldNote");
        QCOMPARE(note && note->isVisible() ? note->text() : QString(), tip);
    }
};

QTEST_MAIN(NumericFieldTest)
#include "NumericFieldTest.moc"
