#include "RAExplanationPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "OverlayPanel.h"

namespace kelvara {

RAExplanationPanel::RAExplanationPanel(QWidget* parent) : QGroupBox("R/A Explained(Annual Figures Shown)", parent) {
    setObjectName("Frame2");
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("The maximum R/A contribution allowed is the greater between A, B or C.", this));
    layout->addWidget(new QLabel("A:  R 3 500 less employee pension contributions", this));
    lineA_ = new QLabel(this);
    lineA_->setObjectName("lblRALineA");
    layout->addWidget(lineA_);
    layout->addWidget(new QLabel("B: R 1 750", this));
    layout->addWidget(new QLabel("C: 15% of non-retirement funding income.", this));
    lineC_ = new QLabel(this);
    lineC_->setObjectName("lblRALineC");
    layout->addWidget(lineC_);

    cmdRAOK_ = new QPushButton("&OK", this);
    cmdRAOK_->setObjectName("cmdRAOK");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdRAOK_);
    layout->addLayout(buttons);
    connect(cmdRAOK_, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void RAExplanationPanel::Present(const RAExplanationLines& lines) {
    lineA_->setText(QString::fromStdString(lines.LineA));
    lineC_->setText(QString::fromStdString(lines.LineC));
    adjustSize();
    show();
    ui::CoverWholeControls(*this);
    raise();
    cmdRAOK_->setFocus();
}

}  // namespace kelvara
