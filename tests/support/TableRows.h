#pragma once
#include <QTest>
#include <utility>

namespace kelvara::testing {

// A Qt Test table of one column, "row", each row the case's values in one
// tuple or struct: `row("name", values...)` adds Row{values...}, which stays on
// a line or two however many values it holds. Each Row type needs
// Q_DECLARE_METATYPE; the test reads it back with QFETCH(Row, row).
template <class Row>
class Table {
public:
    Table() { QTest::addColumn<Row>("row"); }

    template <class... Values>
    void operator()(const char* name, Values&&... values) const {
        QTest::newRow(name) << Row{std::forward<Values>(values)...};
    }
};

}  // namespace kelvara::testing
