#include <QSignalSpy>
#include <QTest>

#include "DateField.h"
#include "FieldWindow.h"

using kelvara::DayNumber;
using kelvara::ToDayNumber;
using kelvara::ui::DateField;

namespace {

const DayNumber kTaxYearStart = 46082;  // 01/03/2026
const DayNumber kTaxYearEnd = 46446;    // 28/02/2027

DayNumber Day(int day, int month, int year) { return ToDayNumber({year, month, day}); }

}  // namespace

class DateFieldTest : public QObject {
    Q_OBJECT

private slots:
    void entriesAreCheckedOnCommit_data();
    void entriesAreCheckedOnCommit();
    void boundsMovedAtRunTimeTakeEffect();
    void valueFollowsTypingOnceTheDateIsWhole();
    void showsItsValueOrBlanks();
};

void DateFieldTest::entriesAreCheckedOnCommit_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("commitKey");
    QTest::addColumn<DayNumber>("value");
    QTest::addColumn<QStringList>("invalid");
    QTest::addColumn<QList<DayNumber>>("outside");

    const int enter = Qt::Key_Return;
    QTest::newRow("valid date") << "15062026" << enter << Day(15, 6, 2026) << QStringList{} << QList<DayNumber>{};
    QTest::newRow("last day of the year")
        << "28022027" << int(Qt::Key_Tab) << kTaxYearEnd << QStringList{} << QList<DayNumber>{};
    QTest::newRow("no 31 February") << "31022026" << enter << kTaxYearStart << QStringList{"31/02/2026"}
                                    << QList<DayNumber>{};
    QTest::newRow("no 29 February 2027") << "29022027" << int(Qt::Key_Tab) << kTaxYearStart << QStringList{"29/02/2027"}
                                         << QList<DayNumber>{};
    QTest::newRow("incomplete") << "010320" << enter << kTaxYearStart << QStringList{"01/03/20__"}
                                << QList<DayNumber>{};
    QTest::newRow("month 13") << "01132026" << enter << kTaxYearStart << QStringList{"01/13/2026"}
                              << QList<DayNumber>{};
    QTest::newRow("after the upper bound")
        << "01032027" << enter << kTaxYearStart << QStringList{} << QList<DayNumber>{Day(1, 3, 2027)};
    QTest::newRow("before the lower bound")
        << "28022026" << int(Qt::Key_Tab) << kTaxYearStart << QStringList{} << QList<DayNumber>{Day(28, 2, 2026)};
}

void DateFieldTest::entriesAreCheckedOnCommit() {
    QFETCH(QString, keys);
    QFETCH(int, commitKey);
    QFETCH(DayNumber, value);
    QFETCH(QStringList, invalid);
    QFETCH(QList<DayNumber>, outside);

    FieldWindow window(new DateField);
    window.field->setBounds(kTaxYearStart, kTaxYearEnd);
    window.field->setValue(kTaxYearStart);
    QSignalSpy invalidDates(window.field, &DateField::invalidDate);
    QSignalSpy outOfBounds(window.field, &DateField::outOfBounds);

    window.enter(keys, static_cast<Qt::Key>(commitKey));

    QCOMPARE(window.field->value(), value);
    QCOMPARE(window.field->text(), QString::fromStdString(kelvara::FormatDate(value)));
    QStringList raisedInvalid;
    for (const auto& signal : invalidDates) raisedInvalid << signal.at(0).toString();
    QCOMPARE(raisedInvalid, invalid);
    QList<DayNumber> raisedOutside;
    for (const auto& signal : outOfBounds) raisedOutside << signal.at(0).value<DayNumber>();
    QCOMPARE(raisedOutside, outside);
}

// A start date's field whose lower bound follows another field, as the period
// calculators arrange when it takes the focus.
void DateFieldTest::boundsMovedAtRunTimeTakeEffect() {
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

void DateFieldTest::valueFollowsTypingOnceTheDateIsWhole() {
    FieldWindow window(new DateField);
    window.field->setBounds(kTaxYearStart, kTaxYearEnd);
    QSignalSpy changes(window.field, &DateField::valueChanged);

    window.field->setValue(kTaxYearStart);
    QCOMPARE(changes.count(), 1);
    window.field->setValue(kTaxYearStart);
    QCOMPARE(changes.count(), 1);

    window.focusField();
    QTest::keyClicks(window.field, "1506202");
    QCOMPARE(changes.count(), 1);
    QTest::keyClicks(window.field, "6");
    QCOMPARE(changes.count(), 2);
    QCOMPARE(changes.last().at(0).value<DayNumber>(), Day(15, 6, 2026));
    QCOMPARE(window.field->value(), Day(15, 6, 2026));
}

void DateFieldTest::showsItsValueOrBlanks() {
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

QTEST_MAIN(DateFieldTest)
#include "DateFieldTest.moc"
