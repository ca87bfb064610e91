#include "WorkingWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kelvara::ui {

namespace {

constexpr int IndentPerDepth = 16;  // pixels
const QColor HeadingShade(0xdf, 0xe7, 0xf1);

QPushButton* Button(const QString& caption, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QTableWidgetItem* Cell(const QString& text, bool bold, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    QFont font = item->font();
    font.setBold(bold);
    item->setFont(font);
    return item;
}

}  // namespace

WorkingWindow::WorkingWindow(const QString& calculator, std::function<void(const Working&)> print, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName("frmWorking");
    setWindowTitle("Working - " + calculator);
    resize(720, 600);

    grdWorking = new QTableWidget(0, 3, this);
    grdWorking->setObjectName("grdWorking");
    grdWorking->setHorizontalHeaderLabels({"Step", "", "Amount"});
    grdWorking->verticalHeader()->hide();
    grdWorking->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdWorking->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdWorking->setWordWrap(true);
    grdWorking->setShowGrid(false);
    grdWorking->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grdWorking->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    grdWorking->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    // A step's row follows its text as the columns take their widths, on the
    // first showing as on every resize.
    grdWorking->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    cmdCopy = Button("&Copy", "cmdCopy", this);
    cmdPrint = Button("&Print", "cmdPrint", this);
    cmdClose = Button("&Close", "cmdClose", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {cmdCopy, cmdPrint, cmdClose}) buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grdWorking);
    layout->addLayout(buttons);

    connect(cmdCopy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(QString::fromStdString(WorkingText(working_))); });
    connect(cmdPrint, &QPushButton::clicked, this, [this, print = std::move(print)] { print(working_); });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
}

void WorkingWindow::present() {
    working_ = explain_ ? explain_() : Working();
    fill();
    show();
    raise();
    activateWindow();
}

void WorkingWindow::calculated(std::function<Working()> explain) {
    explain_ = std::move(explain);
    if (!isVisible()) return;
    working_ = explain_();
    fill();
}

void WorkingWindow::fill() {
    const std::vector<WorkingLine>& lines = working_.Lines();
    grdWorking->setRowCount(static_cast<int>(lines.size()));
    for (int row = 0; row < static_cast<int>(lines.size()); ++row) {
        const WorkingLine& line = lines[row];
        QTableWidgetItem* text = Cell(QString::fromStdString(line.Text), line.StandsOut(), Qt::AlignLeft);
        // Indent the step under its heading with leading spaces the width of the indent.
        text->setText(QString(line.Depth * IndentPerDepth / fontMetrics().horizontalAdvance(' '), ' ') + text->text());
        grdWorking->setItem(row, 0, text);
        grdWorking->setItem(row, 1, Cell(line.InRand() ? "R" : "", false, Qt::AlignRight));
        grdWorking->setItem(row, 2, Cell(QString::fromStdString(AmountText(line)), line.StandsOut(), Qt::AlignRight));
        if (line.IsHeading()) {
            for (int column = 0; column < 3; ++column) grdWorking->item(row, column)->setBackground(HeadingShade);
        }
    }
    grdWorking->setCurrentItem(nullptr);
}

}  // namespace kelvara::ui
