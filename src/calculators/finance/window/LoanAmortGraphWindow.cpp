#include "LoanAmortGraphWindow.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "NumberFormat.h"

namespace kelvara {

namespace {

// An axis in rand from 0 past the highest amount, its labels in whole rand as
// the windows show amounts ("100 000"), at round steps: about five of them.
QCategoryAxis* RandAxis(double highest, const QString& title) {
    const double rough = std::max(highest, 1.0) / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power * 10;
    for (double factor : {1.0, 2.0, 2.5, 5.0})
        if (factor * power >= rough) {
            step = factor * power;
            break;
        }
    auto* axis = new QCategoryAxis;
    axis->setTitleText(title);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const double top = std::ceil(std::max(highest, 1.0) / step) * step;
    axis->setRange(0, top);
    axis->setStartValue(0);
    for (double value = 0; value <= top + step / 2; value += step)
        axis->append(QString::fromStdString(FormatNumber(value, 0)), value);
    return axis;
}

}  // namespace

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
    double highestPayment = 0;
    for (int i = 0; i < capital->count(); ++i)
        highestPayment = std::max(highestPayment, capital->at(i) + interest->at(i));
    auto* paymentAxis = RandAxis(highestPayment, "Repaid in the year (R)");
    chart->addAxis(paymentAxis, Qt::AlignLeft);
    auto* balanceAxis = RandAxis(highestBalance, "Balance (R)");
    chart->addAxis(balanceAxis, Qt::AlignRight);
    payments->attachAxis(yearAxis);
    payments->attachAxis(paymentAxis);
    balance->attachAxis(yearAxis);
    balance->attachAxis(balanceAxis);
    chart->legend()->setAlignment(Qt::AlignBottom);

    auto* view = new QChartView(chart, this);
    view->setObjectName("chartView");
    view->setRenderHint(QPainter::Antialiasing);
    layout()->addWidget(view);
}

}  // namespace kelvara
