#include "TravelAllowanceResultPanels.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "DecimalField.h"
#include "FieldFactory.h"
#include "WholeNumberField.h"

namespace kelvara {

namespace {

constexpr int kDaysInYear = 365;

ui::DecimalField* ResultField(const QString& name, int decimals, QWidget* parent) {
    auto* field = ui::ResultField(name, decimals, parent);
    field->setFixedPitch(true);
    field->setMinimumWidth(96);
    return field;
}

ui::WholeNumberField* DaysField(const QString& name, QWidget* parent) {
    auto* field = new ui::WholeNumberField(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setFixedPitch(true);
    field->setMaximumWidth(48);
    return field;
}

QFrame* Line(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// Results are shown as they are, without reading back as typed changes.
template <typename Field, typename Value>
void Show(Field* field, Value value) {
    const QSignalBlocker quiet(field);
    field->setValue(value);
}

}  // namespace

DeemedCostPanel::DeemedCostPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("fraDeemedCost");
    for (int i = 0; i < static_cast<int>(sidbEdit3.size()); ++i)
        sidbEdit3[i] = ResultField(QString("sidbEdit3_%1").arg(i), 0, this);
    silgEdit13[PeriodDays] = DaysField("silgEdit13_4", this);
    silgEdit13[YearDays] = DaysField("silgEdit13_6", this);
    for (int i = 0; i < static_cast<int>(sidbEdit1.size()); ++i)
        sidbEdit1[i] = ResultField(QString("sidbEdit1_%1").arg(i), i < Claim ? 1 : 0, this);

    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(0, 1);
    const auto row = [&](int r, const QString& caption, QWidget* field, const QString& unit) {
        grid->addWidget(new QLabel(caption, this), r, 0);
        grid->addWidget(field, r, 1);
        grid->addWidget(new QLabel(unit, this), r, 2);
    };
    row(0, "Business distance", sidbEdit3[Business], "Kms.");
    row(1, "Private distance", sidbEdit3[Private], "Kms.");
    row(2, "Total distance", sidbEdit3[Total], "Kms.");
    grid->addWidget(Line(this), 3, 0, 1, 3);

    // The fixed cost for the period: R cost X days over km X 365 days.
    auto* fraction = new QGridLayout;
    fraction->addWidget(new QLabel("R", this), 0, 0, Qt::AlignRight);
    fraction->addWidget(sidbEdit3[FixedCost], 0, 1);
    fraction->addWidget(new QLabel("X", this), 0, 2);
    fraction->addWidget(silgEdit13[PeriodDays], 0, 3);
    fraction->addWidget(new QLabel("days", this), 0, 4);
    fraction->addWidget(Line(this), 1, 0, 1, 5);
    fraction->addWidget(sidbEdit3[FixedCostDistance], 2, 1);
    fraction->addWidget(new QLabel("Kms.", this), 2, 2);
    fraction->addWidget(silgEdit13[YearDays], 2, 3);
    fraction->addWidget(new QLabel("days", this), 2, 4);
    grid->addWidget(new QLabel("Fixed cost", this), 4, 0, 3, 1);
    grid->addLayout(fraction, 4, 1, 3, 2);
    grid->addWidget(Line(this), 7, 0, 1, 3);

    row(8, "Fixed cost", sidbEdit1[FixedRate], "cents/km");
    row(9, "Fuel costs", sidbEdit1[FuelRate], "cents/km");
    row(10, "Maintenance costs", sidbEdit1[MaintenanceRate], "cents/km");
    row(11, "Total costs", sidbEdit1[TotalRate], "cents/km");
    grid->addWidget(Line(this), 12, 0, 1, 3);
    row(13, "Deduction claim          R", sidbEdit1[Claim], "");
    grid->setRowStretch(14, 1);
}

void DeemedCostPanel::showResults(const TravelAllowanceState& state) {
    Show(sidbEdit3[Business], state.DistanceBusiness);
    Show(sidbEdit3[Private], state.DistancePrivate);
    Show(sidbEdit3[Total], state.DistanceTotal);
    Show(sidbEdit3[FixedCost], state.FixedCost);
    Show(sidbEdit3[FixedCostDistance], state.DistanceTotal);
    Show(silgEdit13[PeriodDays], static_cast<qint32>(state.PeriodDays));
    Show(silgEdit13[YearDays], kDaysInYear);
    Show(sidbEdit1[FixedRate], state.FixedCentsPerKm);
    Show(sidbEdit1[FuelRate], state.FuelCentsPerKm);
    Show(sidbEdit1[MaintenanceRate], state.MaintenanceCentsPerKm);
    Show(sidbEdit1[TotalRate], state.TotalCentsPerKm);
    Show(sidbEdit1[Claim], state.DeductionClaim);
}

void DeemedCostPanel::showZeros() {
    for (auto* field : sidbEdit3) Show(field, 0.0);
    for (auto* field : silgEdit13) Show(field, 0);
    for (auto* field : sidbEdit1) Show(field, 0.0);
}

ActualCostPanel::ActualCostPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("fraActualCost");
    for (int i = 0; i < static_cast<int>(sidbEdit2.size()); ++i)
        sidbEdit2[i] = ResultField(QString("sidbEdit2_%1").arg(i), 0, this);

    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(0, 1);
    const QStringList captions{"Business Km's",    "Private Km's",    "Total Km's",     "Total costs",
                               "Less private use", "Travel expenses", "Deduction claim"};
    int r = 0;
    for (int i = 0; i < static_cast<int>(sidbEdit2.size()); ++i) {
        if (i == 3 || i == 6) grid->addWidget(Line(this), r++, 0, 1, 3);
        grid->addWidget(new QLabel(captions[i], this), r, 0);
        if (i >= 3) grid->addWidget(new QLabel("R", this), r, 1);
        grid->addWidget(sidbEdit2[i], r++, 2);
    }
    grid->setRowStretch(r, 1);
}

void ActualCostPanel::showResults(const TravelAllowanceState& state) {
    const std::array<double, 7> figures{state.DistanceBusiness, state.DistancePrivate, state.DistanceTotal,
                                        state.TotalCosts,       state.PrivateUse,      state.DeductionClaim,
                                        state.DeductionClaim};
    for (int i = 0; i < static_cast<int>(figures.size()); ++i) Show(sidbEdit2[i], figures[i]);
}

}  // namespace kelvara
