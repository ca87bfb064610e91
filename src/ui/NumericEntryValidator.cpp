#include "NumericEntryValidator.h"

namespace kelvara::ui {

NumericEntryValidator::NumericEntryValidator(QObject* parent) : QValidator(parent) {}

void NumericEntryValidator::setShape(int decimals, int integerDigits, bool allowMinus) {
    decimals_ = decimals;
    integerDigits_ = integerDigits;
    allowMinus_ = allowMinus;
    emit changed();
}

QValidator::State NumericEntryValidator::validate(QString& input, int& /*position*/) const {
    int wholeDigits = 0;
    int fractionDigits = 0;
    bool point = false;
    bool anythingBefore = false;
    for (const QChar c : input) {
        if (c == u' ') continue;
        if (c == u'-') {
            if (!allowMinus_ || anythingBefore) return Invalid;
        } else if (c == u'.') {
            if (point || decimals_ == 0) return Invalid;
            point = true;
        } else if (c >= u'0' && c <= u'9') {
            ++(point ? fractionDigits : wholeDigits);
        } else {
            return Invalid;
        }
        anythingBefore = true;
    }
    return wholeDigits <= integerDigits_ && fractionDigits <= decimals_ ? Acceptable : Invalid;
}

}  // namespace kelvara::ui
