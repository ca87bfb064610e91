#include <QSignalSpy>
#include <QTest>
#include <tuple>

#include "DateField.h"
#include "FieldWindow.h"
#include "TableRows.h"

using kelvara::DayNumber;
using kelvara::ToDayNumber;
using kelvara::testing::Table;
using kelvara::ui::DateField;

namespace {

const DayNumber kTaxYearStart = 46082;  // 01/03/2026
const DayNumber kTaxYearEnd = 46446;    // 28/02/2027

DayNumber Day(int day, int month, int year) { return ToDayNumber({year, month, day}); }

using Days = QList<DayNumber>;

// An entry typed over 01/03/2026 in a field bounded by the tax year: the keys,
// the commit key, the value then, the texts invalidDate and the dates
// outOfBounds raised.
using CommitRow = std::tuple<QString, Qt::Key, DayNumber, QStringList, Days>;

}  // namespace

Q_DECLARE_METATYPE(CommitRow)

class DateFieldTest : public QObject {
    Q_OBJECT

private slots:
    void entriesAreCheckedOnCommit_data() {
        const Table<CommitRow> row;
        row("valid date", "15062026", Qt::Key_Return, Day(15, 6, 2026), QStringList{}, Days{});
        row("last day of the year", "28022027", Qt::Key_Tab, kTaxYearEnd, QStringList{}, Days{});
        row("no 31 February", "31022026", Qt::Key_Return, kTaxYearStart, QStringList{"31/02/2026"}, Days{});
        row("no 29 February 2027", "29022027", Qt::Key_Tab, kTaxYearStart, QStringList{"29/02/2027"}, Days{});
        row("incomplete", "010320", Qt::Key_Return, kTaxYearStart, QStringList{"01/03/20__"}, Days{});
        row("month 13", "01132026", Qt::Key_Return, kTaxYearStart, QStringList{"01/13/2026"}, Days{});
        row("after the upper bound", "01032027", Qt::Key_Return, kTaxYearStart, QStringList{}, Days{Day(1, 3, 2027)});
        row("before the lower bound", "28022026", Qt::Key_Tab, kTaxYearStart, QStringList{}, Days{Day(28, 2, 2026)});
    }
    void entriesAreCheckedOnCommit() {
        QFETCH(CommitRow, row);
        const auto& [keys, commitKey, value, invalid, outside] = row;
        FieldWindow window(new DateField);
        window.field->setBounds(kTaxYearStart, kTaxYearEnd);
        window.field->setValue(kTaxYearStart);
        QSignalSpy invalidDates(window.field, &DateField::invalidDate);
        QSignalSpy outOfBounds(window.field, &DateField::outOfBounds);

        window.enter(keys, commitKey);

        QCOMPARE(window.field->value(), value);
        QCOMPARE(window.field->text(), QString::fromStdString(kelvara::FormatDate(value)));
        QCOMPARE(Arguments<QString>(invalidDates), invalid);
        QCOMPARE(Arguments<DayNumber>(outOfBounds), outside);
    }

    // A start date's field whose lower bound follows another field, as the
    // period calculators arrange when it takes the focus.
    void boundsMovedAtRunTimeTakeEffect() {
        FieldWindow window(new DateField);
        window.field->setBounds(kTaxYearStart, kTaxYearEnd);
        window.field->setValue(kTaxYearEnd);
        QSignalSpy outOfBounds(window.field, &DateField::outOfBounds);

        window.enter("31052026");
        QCOMPARE(window.field->value(), Day(31, 5, 2026));

        window.field->setMinimum(Day(1, 6, 2026));
        window.enter("31052026");
        QCOMPARE(outOfBounds.count(), 1);
        QCOMPARE(window.field->value(), Day(31, 5, 2026));  // the last date it accepted

        window.enter("01062026");
        QCOMPARE(window.field->value(), Day(1, 6, 2026));

        window.field->setMaximum(Day(30, 6, 2026));
        window.enter("01072026");
        QCOMPARE(outOfBounds.count(), 2);
        QCOMPARE(window.field->value(), Day(1, 6, 2026));
    }

    void valueFollowsTypingOnceTheDateIsWhole() {
        FieldWindow window(new DateField);
        window.field->setBounds(kTaxYearStart, kTaxYearEnd);
        QSignalSpy changes(window.field, &DateField::valueChanged);

        window.field->setValue(kTaxYearStart);
        QCOMPARE(Arguments<DayNumber>(changes), Days{kTaxYearStart});
        window.field->setValue(kTaxYearStart);  // no change, no notification
        QCOMPARE(changes.count(), 1);

        window.focusField();
        QTest::keyClicks(window.field, "1506202");
        QCOMPARE(changes.count(), 1);
        QTest::keyClicks(window.field, "6");
        QCOMPARE(Arguments<DayNumber>(changes), Days({kTaxYearStart, Day(15, 6, 2026)}));
        QCOMPARE(window.field->value(), Day(15, 6, 2026));
    }

    void showsItsValueOrBlanks() {
        DateField field;
        QVERIFY(field.isEmpty());
        QCOMPARE(field.displayText(), QString("__/__/____"));

        field.setValue(kTaxYearStart);
        QVERIFY(!field.isEmpty());
        QCOMPARE(field.displayText(), QString("01/03/2026"));

        field.setEmpty();
        QVERIFY(field.isEmpty());
        QCOMPARE(field.displayText(), QString("__/__/____"));
    }
};

QTEST_MAIN(DateFieldTest)
#include "DateFieldTest.moc"
