#include "LoanComparisonWindow.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "ActivationNotifier.h"
#include "CommandRow.h"
#include "DecimalField.h"
#include "FieldFactory.h"
#include "FinanceWindowFields.h"
#include "Loan.h"
#include "NumberFormat.h"
#include "ResultPrintFrame.h"
#include "Twips.h"

namespace kelvara {

namespace {

constexpr const char* kAmountPattern = "# ### ### ##0.00 ";
const std::array<QString, 4> kHeadings{" Period ", "Monthly repayment", "   Total Interest   ", "  Total Paid    "};

QTableWidget* PaymentsTable(QWidget* parent) {
    auto* table = new QTableWidget(6, 4, parent);
    table->setObjectName("grdPayments");
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->verticalHeader()->hide();
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int column = 0; column < 4; ++column)
        table->setHorizontalHeaderItem(column, new QTableWidgetItem(kHeadings[column]));

    // The period column is a little wider than its heading; the amounts take
    // 1750, 1600 and 1600 twips, or what their headings need when the font
    // is wider; the heading row is 250 twips high.
    QHeaderView* header = table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setFixedHeight(PixelsFromTwips(250));
    const int headingMargins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 4;
    const auto amountColumn = [&](int column, int twips) {
        return std::max(PixelsFromTwips(twips),
                        header->fontMetrics().horizontalAdvance(kHeadings[column]) + headingMargins);
    };
    const std::array<int, 4> widths{static_cast<int>(1.2 * header->fontMetrics().horizontalAdvance(kHeadings[0])),
                                    amountColumn(1, 1750), amountColumn(2, 1600), amountColumn(3, 1600)};
    int total = 0;
    for (int column = 0; column < 4; ++column) {
        table->setColumnWidth(column, widths[column]);
        total += widths[column];
    }
    table->setFixedWidth(total + PixelsFromTwips(20) + 2 * table->frameWidth());
    const int rowHeight = table->fontMetrics().height() + 8;
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(rowHeight);
    table->setFixedHeight(header->height() + 6 * rowHeight + 2 * table->frameWidth());
    return table;
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

QString Amount(double value) { return QString::fromStdString(FormatPattern(value, kAmountPattern)); }

}  // namespace

LoanComparisonWindow::LoanComparisonWindow(LoanCompState& comp, ReportEngine& reports, QWidget* parent)
    : QWidget(parent), comp_(comp), rows_(Compare(comp)) {
    setObjectName("frmLoanComp");
    setWindowTitle("Loan Comparison");

    numBAmt = ui::BoundedDecimal(LoanComparisonFields::Principal, this);
    numIntRate = ui::BoundedDecimal(LoanComparisonFields::Rate, this);
    grdPayments = PaymentsTable(this);

    auto* grid = new QGridLayout;
    grid->setColumnStretch(3, 1);
    grid->addWidget(ui::Caption("Bond amount", "Label1", this), 0, 0);
    grid->addWidget(ui::Caption("R", "Label1", this), 0, 1);
    grid->addWidget(numBAmt, 0, 2);
    grid->addWidget(ui::Caption("Interest rate", "Label1", this), 1, 0);
    grid->addWidget(numIntRate, 1, 2);
    grid->addWidget(ui::Caption("%p.a.", "Label1", this), 1, 3);

    CommandRow commands(this);
    cmdCalculate = commands.Calculate;
    cmdOK = commands.OK;
    cmdPrint = commands.Print;

    printFrame_ = new ResultPrintFrame(
        *this, reports, *cmdOK,
        {[this] { CompareLoans(); }, [this] { return CanPrintComparison(comp_); },
         [this] {
             return ReportJob{BondCompTable, BondCompRecord(comp_, rows_), LoanComparisonLayout, LoanComparisonTitle};
         },
         false});

    auto* fields = new QVBoxLayout;
    fields->addLayout(grid);
    fields->addSpacing(6);
    fields->addWidget(grdPayments);
    commands.finish(this, fields, printFrame_);

    // A change is stored at once; the table follows on "Calculate" or the
    // next activation.
    connect(numBAmt, &ui::DecimalField::valueChanged, this, [this](double amount) {
        comp_.CompPrincipal = amount;
        printFrame_->inputChanged();
    });
    connect(numIntRate, &ui::DecimalField::valueChanged, this, [this](double rate) {
        comp_.CompRate = static_cast<float>(rate);
        printFrame_->inputChanged();
    });
    connect(numIntRate, &ui::NumericField::rangeError, this, [this] { Refuse(this, LoanRateMessage(), numIntRate); });

    connect(cmdCalculate, &QPushButton::clicked, this, &LoanComparisonWindow::CompareLoans);
    connect(new ui::ActivationNotifier(this), &ui::ActivationNotifier::activated, this, [this] {
        ShowInputs();
        CompareLoans();
    });

    ShowInputs();
    FillTable();
}

void LoanComparisonWindow::CompareLoans() {
    rows_ = Compare(comp_);
    FillTable();
    printFrame_->calculated();
}

void LoanComparisonWindow::ShowInputs() {
    numBAmt->setValue(comp_.CompPrincipal);
    numIntRate->setValue(comp_.CompRate);
}

void LoanComparisonWindow::FillTable() {
    for (int k = 0; k < static_cast<int>(rows_.size()); ++k) {
        const LoanComparisonRow& row = rows_[k];
        grdPayments->setItem(k, 0, Cell(QString::fromStdString(row.Label), Qt::AlignLeft));
        grdPayments->setItem(k, 1, Cell(Amount(row.Repayment), Qt::AlignRight));
        grdPayments->setItem(k, 2, Cell(Amount(row.TotalInterest), Qt::AlignRight));
        grdPayments->setItem(k, 3, Cell(Amount(row.TotalPaid), Qt::AlignRight));
    }
}

}  // namespace kelvara
