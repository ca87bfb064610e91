#pragma once
#include <QLocale>
#include <QTest>
#include <cmath>

#include "TableRows.h"
#include "WindowFixture.h"

namespace kelvara::testing {

// Inputs that give each finance window a result worth printing.
inline const Entries kInflationInputs{"numPresCost=100000", "numPeriod=10", "numInflaRate=6"};
inline const Entries kBusterInputs{"numPrinAmount=500000", "numPeriod=240", "numIntRate=10.5"};
inline const Entries kComparisonInputs{"numBAmt=500000", "numIntRate=10.5"};
inline const Entries kBalanceInputs{"numCapAmount=100000", "numIntRate=10", "dtStartDate=01032026",
                                    "dtEndDate=01042026"};

// What is typed before "&Calculate", and what the fields show after.
struct Calculation {
    Entries Typed, Shown;
};

// An entry a window refuses, with the title and text of the message saying why.
struct RefusedEntry {
    QString Field, Entry, Title, Text;
};

// A spin button pressed on a figure, and the figure shown after.
struct Spin {
    QString Field, From, Direction, To;
};

// The messages given, each as "icon title: text".
inline QStringList Said(const ui::MessageRecorder& messages) {
    const char* icons[] = {"none", "information", "warning", "critical", "question"};
    QStringList said;
    for (const auto& m : messages.messages()) said << icons[int(m.Icon)] + (' ' + m.Title) + ": " + m.Text;
    return said;
}

// Types the refused entry: the one message is critical and the focus stays in the field.
inline void ExpectRefused(WindowDriver& window, const WindowTestBench& bench, const RefusedEntry& refusal) {
    window.type(refusal.Field, refusal.Entry);
    QCOMPARE(Said(bench.Messages), QStringList{"critical " + refusal.Title + ": " + refusal.Text});
    QVERIFY(window.hasFocus(refusal.Field));
}

inline void CompareShown(const WindowDriver& window, const Entries& expected) {
    QCOMPARE(window.shownAs(expected), expected);
}

// The named numbers of a report table's record as "name=value": to the cent
// where the expected value gives cents, exactly otherwise.
inline Entries RecordAs(const WindowTestBench& bench, const std::string& table, const Entries& expected) {
    Entries record;
    for (const QString& entry : expected) {
        const auto [name, value] = SplitEntry(entry);
        const double number = bench.ReportNumber(table, name.toStdString());
        const bool cents = value.size() > 3 && value[value.size() - 3] == '.';
        record << name + '=' +
                      (cents ? QString::number(std::round(number * 100) / 100, 'f', 2)
                             : QString::number(number, 'f', QLocale::FloatingPointShortest));
    }
    return record;
}

inline void CompareRecord(const WindowTestBench& bench, const std::string& table, const Entries& expected) {
    QCOMPARE(RecordAs(bench, table, expected), expected);
}

// A finance window's fixture whose controls go by the names given.
template <class Window, class State>
class FinanceWindowFixture : public CalculatorWindowFixture<Window, State> {
protected:
    explicit FinanceWindowFixture(const QMap<QString, QString>& meanings = {}) : meanings_(meanings) {
        this->nameControls(meanings);
    }
    // Opens the window again over the state an earlier window left, driven
    // under the same names.
    WindowDriver reopenOver(const State& kept) {
        this->window_.reset();
        this->state_ = kept;
        WindowDriver again = this->reopenInWorkArea();
        again.nameControls(meanings_);
        return again;
    }

private:
    QMap<QString, QString> meanings_;
};

}  // namespace kelvara::testing
