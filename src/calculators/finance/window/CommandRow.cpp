#include "CommandRow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "CloseCommand.h"
#include "PrintPanel.h"
#include "ResultPrintFrame.h"

namespace kelvara {

namespace {

QPushButton* Button(const char* name, const QString& caption, QWidget* window) {
    auto* button = new QPushButton(caption, window);
    button->setObjectName(name);
    return button;
}

}  // namespace

CommandRow::CommandRow(QWidget* window)
    : Calculate(Button("cmdCalculate", "&Calculate", window)),
      OK(Button("cmdOK", "&OK", window)),
      Print(Button("cmdPrint", "&Print", window)),
      row_(new QHBoxLayout) {
    row_->addStretch();
    row_->addWidget(Calculate);
    row_->addWidget(OK);
    row_->addWidget(Print);
}

void CommandRow::finish(QWidget* window, QLayout* fields, ResultPrintFrame* printFrame) {
    auto* layout = new QVBoxLayout(window);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(row_);
    layout->addWidget(printFrame->panel());
    ui::ClosesWindow(OK, window);
    QObject::connect(Print, &QPushButton::clicked, printFrame, &ResultPrintFrame::print);
}

}  // namespace kelvara
