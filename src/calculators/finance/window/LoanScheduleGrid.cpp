#include "LoanScheduleGrid.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <cmath>

#include "NumberFormat.h"
#include "OverlayPanel.h"
#include "Twips.h"

namespace kelvara {

namespace {

// The panel is laid out in twips.
constexpr int PanelWidth = 5295;
constexpr int PanelHeight = 3735;
constexpr int TableHeight = 3180;
constexpr int CloseTop = 3240;
constexpr int CloseHalfWidth = 488;
constexpr int RowHeight = 250;
constexpr int ScrollBarWidth = 320;
constexpr int RowsWithoutScrolling = 10;
// A shrunk table is its rows plus this; the panel is the table plus 500 and
// the button stands 480 above the panel's foot.
constexpr int ShrunkTableExtra = 445;
constexpr int ShrunkPanelExtra = 500;
constexpr int ShrunkCloseFromFoot = 480;

// Each column is wider than its heading by these factors.
constexpr double WidthFactors[] = {1.2, 1.3, 1.4, 1.9};

const char* const NumberPattern = "##";
const char* const AmountPattern = "# ### ### ###.00";

QTableWidgetItem* Cell(const std::string& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

}  // namespace

LoanScheduleGrid::LoanScheduleGrid(QWidget* parent) : QFrame(parent) {
    setObjectName("fraGrid");
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    grdPayments = new QTableWidget(this);
    grdPayments->setObjectName("grdPayments");
    grdPayments->setColumnCount(4);
    grdPayments->verticalHeader()->hide();
    grdPayments->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdPayments->verticalHeader()->setDefaultSectionSize(PixelsFromTwips(RowHeight));
    grdPayments->horizontalHeader()->setFixedHeight(PixelsFromTwips(RowHeight));
    grdPayments->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdPayments->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdPayments->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdPayments->setSelectionMode(QAbstractItemView::NoSelection);

    cmdGridClose = new QPushButton("&OK", this);
    cmdGridClose->setObjectName("cmdGridClose");
    connect(cmdGridClose, &QPushButton::clicked, this, &LoanScheduleGrid::close);
    hide();
}

void LoanScheduleGrid::showMonthly(const std::vector<ScheduleRow>& rows) {
    fill({" Month   ", "Capital payment ", "Interest payment", "    Balance    "}, rows, true);
}

void LoanScheduleGrid::showAnnual(const std::vector<ScheduleRow>& rows) {
    fill({" Year ", "Capital payments", "Interest payment", "    Balance      "}, rows, false);
}

void LoanScheduleGrid::fill(const QStringList& headings, const std::vector<ScheduleRow>& rows, bool shrinkToRows) {
    grdPayments->clearContents();
    grdPayments->setHorizontalHeaderLabels(headings);
    grdPayments->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const ScheduleRow& row = rows[r];
        grdPayments->setItem(r, 0, Cell(FormatPattern(row.Number, NumberPattern), Qt::AlignHCenter));
        grdPayments->setItem(r, 1, Cell(FormatPattern(row.Capital, AmountPattern), Qt::AlignRight));
        grdPayments->setItem(r, 2, Cell(FormatPattern(row.Interest, AmountPattern), Qt::AlignRight));
        grdPayments->setItem(r, 3, Cell(FormatPattern(row.Balance, AmountPattern), Qt::AlignRight));
    }

    const QFontMetrics metrics = grdPayments->horizontalHeader()->fontMetrics();
    int tableWidth = 2 * grdPayments->frameWidth();
    for (int c = 0; c < headings.size(); ++c) {
        const int width = static_cast<int>(std::lround(metrics.horizontalAdvance(headings[c]) * WidthFactors[c]));
        grdPayments->setColumnWidth(c, width);
        tableWidth += width;
    }
    const bool scrolls = rows.size() > RowsWithoutScrolling;
    grdPayments->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    if (scrolls) tableWidth += PixelsFromTwips(ScrollBarWidth);

    int tableHeight = PixelsFromTwips(TableHeight);
    int panelHeight = PixelsFromTwips(PanelHeight);
    int closeTop = PixelsFromTwips(CloseTop);
    if (shrinkToRows && !scrolls) {
        tableHeight = PixelsFromTwips(static_cast<int>(rows.size()) * RowHeight + ShrunkTableExtra);
        panelHeight = tableHeight + PixelsFromTwips(ShrunkPanelExtra);
        closeTop = panelHeight - PixelsFromTwips(ShrunkCloseFromFoot);
    }
    // The table never runs past the panel's edge: a panel too narrow for its
    // columns grows with them.
    const int margin = 8;
    resize(std::max(PixelsFromTwips(PanelWidth), tableWidth + 2 * margin), panelHeight);
    // Laid over the window, the panel covers wholly what it overlaps; the
    // table and its button stay centred.
    show();
    ui::CoverWholeControls(*this);
    raise();
    grdPayments->setGeometry((width() - tableWidth) / 2, margin, tableWidth, tableHeight - margin);
    cmdGridClose->setGeometry(width() / 2 - PixelsFromTwips(CloseHalfWidth), closeTop,
                              PixelsFromTwips(2 * CloseHalfWidth), PixelsFromTwips(375));
}

int LoanScheduleGrid::fullHeight() { return PixelsFromTwips(PanelHeight); }

void LoanScheduleGrid::close() {
    grdPayments->clearContents();
    grdPayments->setRowCount(0);
    hide();
    emit closed();
}

}  // namespace kelvara
