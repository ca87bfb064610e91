#include "AboutWindow.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ActiveTaxYear.h"
#include "AppVersion.h"
#include "StartUpPreferences.h"
#include "WindowPlacement.h"

namespace kelvara {

namespace {

QLabel* Label1(int index, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("Label1_%1").arg(index));
    label->setWordWrap(true);
    return label;
}

}  // namespace

AboutWindow::AboutWindow(QWidget* mainWindow) : QDialog(mainWindow), showAtStartup_(ShowAboutAtStartup()) {
    setObjectName("frmAbout");
    setWindowTitle("About Kelvara 2027...");
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    auto* title = Label1(0, QStringLiteral("Kelvara 2027 - %1").arg(MakerName), this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto* purpose = Label1(1,
                           QString::fromStdString("Payroll tax and finance calculators for the tax year " +
                                                  ActiveTaxYear().SpanText() + "."),
                           this);
    auto* maker = Label1(2,
                         "Kelvara Software (Pty) Ltd\n"
                         "PO Box 4127, Stellenbosch, 7599\n"
                         "Telephone: 021 555 0142\n"
                         "E-mail: support@kelvara.co.za\n"
                         "www.kelvara.co.za",
                         this);
    auto* version = Label1(3, "Version: " + VersionText(CurrentVersion()), this);
    auto* warning = Label1(4,
                           "Warning: this program is protected by copyright law and international treaties. "
                           "Unauthorised copying or distribution of this program, or of any part of it, may "
                           "result in civil and criminal penalties and will be prosecuted to the full extent "
                           "of the law.",
                           this);
    warning->setFrameShape(QFrame::StyledPanel);
    warning->setMargin(6);

    check1_ = new QCheckBox("Do not display this message again on start up", this);
    check1_->setObjectName("Check1");
    check1_->setChecked(!showAtStartup_);
    connect(check1_, &QCheckBox::toggled, this, [this](bool ticked) { showAtStartup_ = !ticked; });

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton("&OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("Command1");
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(purpose);
    layout->addWidget(version);
    layout->addSpacing(8);
    layout->addWidget(maker);
    layout->addSpacing(8);
    layout->addWidget(warning);
    layout->addWidget(check1_);
    layout->addWidget(buttons);
    FixWidthFitHeight(*this, 440);
}

// Every way of closing the window passes here.
void AboutWindow::done(int result) {
    SetShowAboutAtStartup(showAtStartup_);
    QDialog::done(result);
}

}  // namespace kelvara
