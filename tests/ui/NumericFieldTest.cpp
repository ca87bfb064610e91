#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "DecimalField.h"
#include "FieldWindow.h"
#include "WholeNumberField.h"

using kelvara::ui::DecimalField;
using kelvara::ui::WholeNumberField;

class NumericFieldTest : public QObject {
    Q_OBJECT

private slots:
    void keystrokesOutsideTheShapeAreRefused_data();
    void keystrokesOutsideTheShapeAreRefused();
    void committedEntriesAreCheckedAgainstTheLimits_data();
    void committedEntriesAreCheckedAgainstTheLimits();
    void valueFollowsTypingWithinTheLimits();
    void setValueAnnouncesAChangeAndShowsGroupedDigits_data();
    void setValueAnnouncesAChangeAndShowsGroupedDigits();
    void passingThroughLeavesAProgramValueUnrounded();
    void focusCanBePutBackFromTheRangeHandler();
    void wholeNumberFieldHoldsAndAnnouncesIntegers();
    void readOnlyFieldTakesNoTyping();
    void anUnansweredRefusalShowsTheRange_data();
    void anUnansweredRefusalShowsTheRange();
};

void NumericFieldTest::keystrokesOutsideTheShapeAreRefused_data() {
    QTest::addColumn<int>("decimals");
    QTest::addColumn<int>("integerDigits");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");

    QTest::newRow("integer digits capped") << 2 << 3 << 0.0 << "12345"
                                           << "123";
    QTest::newRow("decimals capped") << 2 << 8 << 0.0 << "1.2345"
                                     << "1.23";
    QTest::newRow("one point only") << 2 << 8 << 0.0 << "1.2.3"
                                    << "1.23";
    QTest::newRow("no point without decimals") << 0 << 8 << 0.0 << "12.5"
                                               << "125";
    QTest::newRow("minus refused at minimum 0") << 2 << 8 << 0.0 << "-5"
                                                << "5";
    QTest::newRow("minus taken below 0") << 2 << 8 << -10.0 << "-5"
                                         << "-5";
    QTest::newRow("minus only in front") << 2 << 8 << -10.0 << "5-"
                                         << "5";
    QTest::newRow("letters refused") << 2 << 8 << 0.0 << "1a2,b"
                                     << "12";
    QTest::newRow("spaces do not count as digits") << 0 << 4 << 0.0 << "1 234"
                                                   << "1 234";
}

void NumericFieldTest::keystrokesOutsideTheShapeAreRefused() {
    QFETCH(int, decimals);
    QFETCH(int, integerDigits);
    QFETCH(double, minimum);
    QFETCH(QString, keys);
    QFETCH(QString, shown);

    FieldWindow window(new DecimalField);
    window.field->setDecimals(decimals);
    window.field->setIntegerDigits(integerDigits);
    window.field->setMinimum(minimum);
    window.focusField();
    QTest::keyClicks(window.field, keys);
    QCOMPARE(window.field->text(), shown);
}

void NumericFieldTest::committedEntriesAreCheckedAgainstTheLimits_data() {
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("commitKey");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QVariantList>("refused");

    const double big = 99999999.99;
    QTest::newRow("within limits, Enter")
        << 0.0 << big << "1234567.8" << int(Qt::Key_Return) << 1234567.8 << "1 234 567.80" << QVariantList{};
    QTest::newRow("within limits, Tab") << 0.0 << big << "42" << int(Qt::Key_Tab) << 42.0 << "42.00" << QVariantList{};
    QTest::newRow("above maximum") << 0.0 << 40.0 << "40.01" << int(Qt::Key_Return) << 25.0 << "25.00"
                                   << QVariantList{40.01};
    QTest::newRow("below minimum, on leaving")
        << 10.0 << big << "9.99" << int(Qt::Key_Tab) << 25.0 << "25.00" << QVariantList{9.99};
    QTest::newRow("negative below minimum")
        << -5.0 << 40.0 << "-6" << int(Qt::Key_Return) << 25.0 << "25.00" << QVariantList{-6.0};
    QTest::newRow("limits themselves") << -5.0 << 40.0 << "-5" << int(Qt::Key_Return) << -5.0 << "-5.00"
                                       << QVariantList{};
    QTest::newRow("empty reads 0") << 0.0 << big << "" << int(Qt::Key_Return) << 0.0 << "0.00" << QVariantList{};
    QTest::newRow("empty below minimum 1")
        << 1.0 << big << "" << int(Qt::Key_Return) << 25.0 << "25.00" << QVariantList{0.0};
}

void NumericFieldTest::committedEntriesAreCheckedAgainstTheLimits() {
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(QString, keys);
    QFETCH(int, commitKey);
    QFETCH(double, value);
    QFETCH(QString, shown);
    QFETCH(QVariantList, refused);

    FieldWindow window(new DecimalField);
    window.field->setIntegerDigits(8);
    window.field->setRange(minimum, maximum);
    window.field->setValue(25);
    QSignalSpy rangeErrors(window.field, &DecimalField::rangeError);

    window.focusField();
    QTest::keyClick(window.field, Qt::Key_Backspace);
    QTest::keyClicks(window.field, keys);
    QTest::keyClick(window.field, static_cast<Qt::Key>(commitKey));

    QCOMPARE(window.field->value(), value);
    QCOMPARE(window.field->text(), shown);
    QVariantList raised;
    for (const auto& signal : rangeErrors) raised << signal.at(0);
    QCOMPARE(raised, refused);
}

// The window stores each change at once, so every edit that the field would
// accept is announced; one beyond the limits is not, and its refusal announces
// the return to the last accepted value.
void NumericFieldTest::valueFollowsTypingWithinTheLimits() {
    FieldWindow window(new DecimalField);
    window.field->setRange(0, 40);
    window.field->setValue(25);
    QSignalSpy changes(window.field, &DecimalField::valueChanged);

    window.focusField();
    QTest::keyClicks(window.field, "35");
    QCOMPARE(changes.count(), 2);
    QCOMPARE(changes.at(0).at(0).toDouble(), 3.0);
    QCOMPARE(changes.at(1).at(0).toDouble(), 35.0);
    QCOMPARE(window.field->value(), 35.0);

    QTest::keyClick(window.field, Qt::Key_Backspace);  // 3
    QTest::keyClicks(window.field, "9");               // 39
    QTest::keyClicks(window.field, "9");               // 399: beyond the maximum
    QCOMPARE(window.field->value(), 39.0);
    QCOMPARE(changes.count(), 4);

    QTest::keyClick(window.field, Qt::Key_Return);
    QCOMPARE(window.field->value(), 25.0);
    QCOMPARE(changes.count(), 5);
    QCOMPARE(changes.last().at(0).toDouble(), 25.0);
}

void NumericFieldTest::setValueAnnouncesAChangeAndShowsGroupedDigits_data() {
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");

    QTest::newRow("money") << 2 << 1234567.891 << "1 234 567.89";
    QTest::newRow("whole rand") << 0 << 12345678.0 << "12 345 678";
    QTest::newRow("negative") << 2 << -1234.5 << "-1 234.50";
    QTest::newRow("one decimal") << 1 << 23.2474 << "23.2";
    QTest::newRow("below one") << 2 << 0.5 << "0.50";
}

void NumericFieldTest::setValueAnnouncesAChangeAndShowsGroupedDigits() {
    QFETCH(int, decimals);
    QFETCH(double, value);
    QFETCH(QString, shown);

    DecimalField field;
    field.setDecimals(decimals);
    field.setMinimum(-1e9);
    QSignalSpy changes(&field, &DecimalField::valueChanged);

    field.setValue(value);
    QCOMPARE(field.text(), shown);
    QCOMPARE(field.value(), value);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toDouble(), value);

    field.setValue(value);  // no change, no notification
    QCOMPARE(changes.count(), 1);
    QCOMPARE(field.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

// Tabbing through a field must not replace the figure the program put there
// with its rounded display.
void NumericFieldTest::passingThroughLeavesAProgramValueUnrounded() {
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
void NumericFieldTest::focusCanBePutBackFromTheRangeHandler() {
    FieldWindow window(new DecimalField);
    window.field->setMaximum(100);
    connect(window.field, &DecimalField::rangeError, window.field, [&] { window.field->setFocus(); });

    window.enter("500", Qt::Key_Tab);
    QVERIFY(window.field->hasFocus());
    QCOMPARE(window.field->value(), 0.0);
}

void NumericFieldTest::wholeNumberFieldHoldsAndAnnouncesIntegers() {
    FieldWindow window(new WholeNumberField);
    window.field->setIntegerDigits(2);
    window.field->setRange(1, 40);
    QSignalSpy changes(window.field, &WholeNumberField::valueChanged);
    QSignalSpy rangeErrors(window.field, &WholeNumberField::rangeError);

    window.field->setValue(1234567);
    QCOMPARE(window.field->text(), QString("1 234 567"));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).value<qint32>(), 1234567);

    window.enter("7.5");  // the point cannot be typed
    QCOMPARE(window.field->value(), 1234567);
    QCOMPARE(rangeErrors.count(), 1);
    QCOMPARE(rangeErrors.at(0).at(0).toDouble(), 75.0);

    window.enter("12");
    QCOMPARE(window.field->value(), 12);
    QCOMPARE(window.field->text(), QString("12"));
}

void NumericFieldTest::readOnlyFieldTakesNoTyping() {
    FieldWindow window(new DecimalField);
    window.field->setValue(5);
    window.field->setReadOnly(true);
    QSignalSpy changes(window.field, &DecimalField::valueChanged);

    window.enter("9");
    QCOMPARE(window.field->value(), 5.0);
    QCOMPARE(window.field->text(), QString("5.00"));
    QCOMPARE(changes.count(), 0);
}

QTEST_MAIN(NumericFieldTest)
#include "NumericFieldTest.moc"

// A field whose window gives no range message of its own tells the user
// itself, beside the field and without a message box.
void NumericFieldTest::anUnansweredRefusalShowsTheRange_data() {
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("answered");  // the window answers rangeError
    QTest::addColumn<QString>("tip");    // "" for none
    QTest::newRow("entry over the limit")
        << 0 << 14.0 << "15" << false << "15 is out of range. This field takes 0 to 14.";
    QTest::newRow("percentage over 100") << 3 << 100.0 << "150" << false
                                         << "150.000 is out of range. This field takes 0.000 to 100.000.";
    QTest::newRow("a digit too many") << 0 << 99999999.0 << "123456789" << false << "This field takes 0 to 99 999 999.";
    QTest::newRow("answered by the window") << 0 << 14.0 << "15" << true << "";
}

void NumericFieldTest::anUnansweredRefusalShowsTheRange() {
    QFETCH(int, decimals);
    QFETCH(double, maximum);
    QFETCH(QString, keys);
    QFETCH(bool, answered);
    QFETCH(QString, tip);
    FieldWindow window(new DecimalField);
    window.field->setDecimals(decimals);
    window.field->setIntegerDigits(8);
    window.field->setMaximum(maximum);
    if (answered) connect(window.field, &DecimalField::rangeError, this, [] {});
    window.enter(keys, Qt::Key_Tab);
    auto* note = window.findChild<QLabel*>("fieldNote");
    QCOMPARE(note && note->isVisible() ? note->text() : QString(), tip);
}
