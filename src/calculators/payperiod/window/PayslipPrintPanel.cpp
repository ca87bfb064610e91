#include "PayslipPrintPanel.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "TextField.h"

namespace kelvara {

namespace {
constexpr int kNameLength = 50;
}

PayslipPrintPanel::PayslipPrintPanel(QWidget* parent) : ui::PrintPanel("&Cancel", parent) {
    setObjectName("fraPrint");
    auto* choices = new QWidget(this);
    Option1 = new QRadioButton("&English print", choices);
    Option1->setObjectName("Option1");
    Option1->setChecked(true);
    Option2 = new QRadioButton("&Afrikaans print", choices);
    Option2->setObjectName("Option2");
    Text1 = new ui::TextField(kNameLength, choices);
    Text1->setObjectName("Text1");
    Text1->setMinimumWidth(220);

    auto* grid = new QGridLayout(choices);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Option1, 0, 0);
    grid->addWidget(Option2, 0, 1);
    grid->addWidget(new QLabel("Employee name :", choices), 1, 0);
    grid->addWidget(new QLabel("(max.50 chrs.)", choices), 1, 1);
    grid->addWidget(Text1, 2, 0, 1, 2);

    // The language and the name stand above the report buttons.
    auto* box = static_cast<QBoxLayout*>(layout());
    box->setDirection(QBoxLayout::TopToBottom);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {cmdVR(), cmdPD(), cancelButton()}) {
        box->removeWidget(button);
        buttons->addWidget(button);
    }
    box->addWidget(choices);
    box->addLayout(buttons);
}

ReportLanguage PayslipPrintPanel::language() const {
    return Option2->isChecked() ? ReportLanguage::Afrikaans : ReportLanguage::English;
}

void PayslipPrintPanel::presentCentred() {
    adjustSize();
    const QWidget* window = parentWidget();
    move((window->width() - width()) / 2, (window->height() - height()) / 2);
    present();
}

}  // namespace kelvara
