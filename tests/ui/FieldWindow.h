#pragma once
#include <QKeyEvent>
#include <QLineEdit>
#include <QList>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <functional>
#include <vector>

// A shown, active window holding the field under test followed by a plain line
// edit, the next stop of Tab. It keeps the keys that reach the window itself.
template <class Field>
class FieldWindow : public QWidget {
public:
    explicit FieldWindow(Field* field) : field(field), next(new QLineEdit(this)) {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(field);
        layout->addWidget(next);
        show();
        activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(this));
    }

    // Gives the field the focus as Tab does, from the next line edit.
    void focusField() {
        next->setFocus();
        field->setFocus(Qt::TabFocusReason);
    }

    // Focuses the field, types the keys over its selected text and commits
    // the entry with the given key (Return, or Tab to leave the field).
    void enter(const QString& keys, Qt::Key commitKey = Qt::Key_Return) {
        focusField();
        QTest::keyClicks(field, keys);
        QTest::keyClick(field, commitKey);
    }

    Field* field;
    QLineEdit* next;
    std::vector<int> keysReceived;
    std::function<void(int)> onKey;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        keysReceived.push_back(event->key());
        if (onKey) onKey(event->key());
    }
};

// The first argument of every signal the spy caught, in order.
template <class T>
QList<T> Arguments(const QSignalSpy& spy) {
    QList<T> values;
    for (const QList<QVariant>& signal : spy) values << signal.at(0).value<T>();
    return values;
}
