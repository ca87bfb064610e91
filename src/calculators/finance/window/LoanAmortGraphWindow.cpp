#include "LoanAmortGraphWindow.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

namespace kelvara {

LoanAmortGraphWindow::LoanAmortGraphWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("LoanAmortGraphWindow");
    setWindowTitle("Annual Amortisation");
    setAttribute(Qt::WA_DeleteOnClose);
    resize(720, 480);
    new QVBoxLayout(this);
}

void LoanAmortGraphWindow::LoanAmortGraph(std::int16_t scheduleYears, std::int16_t wholeYears,
                                          std::int16_t scheduleKind, const std::vector<double>& yearCapital,
                                          const std::vector<double>& yearInterest,
                                          const std::vector<double>& yearEndBalance) {
    const int years = scheduleKind == 2 ? scheduleYears : wholeYears;
    auto* capital = new QBarSet("Capital");
    auto* interest = new QBarSet("Interest");
    auto* balance = new QLineSeries;
    balance->setName("Balance at year end");
    QStringList categories;
    double highestBalance = 0;
    for (int y = 1; y <= years; ++y) {
        *capital << yearCapital[y];
        *interest << yearInterest[y];
        balance->append(y - 1, yearEndBalance[y]);
        highestBalance = std::max(highestBalance, yearEndBalance[y]);
        categories << (scheduleKind == 2 && y == years ? QString("%1 (part)").arg(y) : QString::number(y));
    }
    capital->setColor(QColor("#1f3a5f"));
    interest->setColor(QColor("#d9822b"));
    auto* payments = new QStackedBarSeries;
    payments->append(capital);
    payments->append(interest);

    auto* chart = new QChart;
    chart->setTitle("Capital and interest repaid per year, and the balance");
    chart->addSeries(payments);
    chart->addSeries(balance);
    auto* yearAxis = new QBarCategoryAxis;
    yearAxis->append(categories);
    yearAxis->setTitleText("Year");
    chart->addAxis(yearAxis, Qt::AlignBottom);
    auto* paymentAxis = new QValueAxis;
    paymentAxis->setTitleText("Repaid in the year (R)");
    paymentAxis->setLabelFormat("%.0f");
    chart->addAxis(paymentAxis, Qt::AlignLeft);
    auto* balanceAxis = new QValueAxis;
    balanceAxis->setTitleText("Balance (R)");
    balanceAxis->setLabelFormat("%.0f");
    balanceAxis->setRange(0, highestBalance > 0 ? highestBalance : 1);
    chart->addAxis(balanceAxis, Qt::AlignRight);
    payments->attachAxis(yearAxis);
    payments->attachAxis(paymentAxis);
    balance->attachAxis(yearAxis);
    balance->attachAxis(balanceAxis);
    paymentAxis->applyNiceNumbers();
    balanceAxis->applyNiceNumbers();
    chart->legend()->setAlignment(Qt::AlignBottom);

    auto* view = new QChartView(chart, this);
    view->setObjectName("chartView");
    view->setRenderHint(QPainter::Antialiasing);
    layout()->addWidget(view);
}

}  // namespace kelvara
