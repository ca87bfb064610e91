#pragma once
#include <QValidator>

namespace kelvara::ui {

// Lets into a numeric field only what can make up a number of its shape:
// digits and spaces, one "." when it has decimals, a leading "-" when it takes
// negative values, and no more integer digits or decimals than it shows.
// Every edit, typed or pasted, that would break this is refused whole.
class NumericEntryValidator : public QValidator {
    Q_OBJECT

public:
    explicit NumericEntryValidator(QObject* parent = nullptr);

    void setShape(int decimals, int integerDigits, bool allowMinus);

    State validate(QString& input, int& position) const override;

private:
    int decimals_ = 0;
    int integerDigits_ = 0;
    bool allowMinus_ = false;
};

}  // namespace kelvara::ui
