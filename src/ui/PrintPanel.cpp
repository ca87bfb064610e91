#include "PrintPanel.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>

#include "OverlayPanel.h"

namespace kelvara::ui {

PrintPanel::PrintPanel(const QString& cancelCaption, QWidget* parent) : QFrame(parent) {
    setObjectName("Frame1");
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    // A window that lays the frame out keeps room for it, so showing it
    // squeezes nothing.
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    cmdVR_ = new QPushButton("&View/Export report", this);
    cmdVR_->setObjectName("cmdVR");
    cmdPD_ = new QPushButton("P&rint directly to printer", this);
    cmdPD_->setObjectName("cmdPD");
    cancel_ = new QPushButton(cancelCaption, this);
    cancel_->setObjectName(cancelCaption == "&Cancel" ? "cmdCancel" : "cmdPrintCancel");

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(cmdVR_);
    layout->addWidget(cmdPD_);
    layout->addWidget(cancel_);

    connect(cmdVR_, &QPushButton::clicked, this, &PrintPanel::viewReport);
    connect(cmdPD_, &QPushButton::clicked, this, &PrintPanel::printDirectly);
    connect(cancel_, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void PrintPanel::present() {
    show();
    CoverWholeControls(*this);
    raise();
    cmdVR_->setFocus();
}

void UsePrintRoutine(PrintPanel& panel, std::int16_t& printDirect, std::function<void()> printRoutine) {
    const auto run = [&panel, &printDirect, printRoutine](std::int16_t destination) {
        printDirect = destination;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        printRoutine();
        QApplication::restoreOverrideCursor();
        panel.hide();
    };
    QObject::connect(&panel, &PrintPanel::viewReport, &panel, [run] { run(0); });
    QObject::connect(&panel, &PrintPanel::printDirectly, &panel, [run] { run(1); });
}

}  // namespace kelvara::ui
