#include "HelpWindow.h"

#include <QLineEdit>
#include <QListView>
#include <QPdfBookmarkModel>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfSearchModel>
#include <QPdfView>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "Twips.h"

namespace kelvara {

namespace {
constexpr int ViewerMarginTwips = 100;

int ViewerExtentPixels(int innerPixels) { return PixelsFromTwips(HelpViewerExtentTwips(TwipsFromPixels(innerPixels))); }

// The first bookmark, depth first, whose title starts with the heading.
QModelIndex BookmarkStarting(const QAbstractItemModel& model, const QString& heading, const QModelIndex& parent = {}) {
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        if (index.data(int(QPdfBookmarkModel::Role::Title)).toString().startsWith(heading)) return index;
        if (const QModelIndex found = BookmarkStarting(model, heading, index); found.isValid()) return found;
    }
    return {};
}
}  // namespace

int HelpViewerExtentTwips(int innerTwips) { return std::max(0, innerTwips - ViewerMarginTwips); }

QString HelpSectionFor(const QString& formName) {
    static const std::map<QString, QString> sections{
        {"frmKwikTax", "QuickTax"},
        {"frmAnnual", "Employees' tax"},
        {"frmMonthly", "Employees' tax"},
        {"frmFortNight", "Employees' tax"},
        {"frmWeekly", "Employees' tax"},
        {"frmDaily", "Employees' tax"},
        {"frmKelvaraMon", "Salary packages"},
        {"frmKelvaraAnn", "Salary packages"},
        {"frmPravelMon", "Salary packages"},
        {"frmPravelAnn", "Salary packages"},
        {"frmCarAll1", "Car Allowance"},
        {"frmCompCar", "Company car"},
        {"frmLoans", "Loans"},
        {"frmLoanBuster", "Loan buster"},
        {"frmLoanComp", "Loan comparison"},
        {"frmInflation", "Inflation projection"},
        {"frmDayBal", "Daily balance"},
    };
    const auto section = sections.find(formName);
    return section == sections.end() ? QString() : section->second;
}

HelpWindow::HelpWindow(const QString& documentPath, QWidget* parent)
    : QWidget(parent),
      document_(new QPdfDocument(this)),
      viewer_(new QPdfView),
      bookmarks_(new QPdfBookmarkModel(this)),
      searchModel_(new QPdfSearchModel(this)),
      content_(new QSplitter(this)),
      contents_(new QTreeView),
      search_(new QLineEdit),
      finds_(new QListView) {
    setObjectName("frmHelpBrowser");
    setWindowTitle("Kelvara Help");
    viewer_->setObjectName("brwWebBrowser");
    viewer_->setPageMode(QPdfView::PageMode::MultiPage);
    viewer_->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    viewer_->setDocument(document_);

    bookmarks_->setDocument(document_);
    contents_->setObjectName("helpContents");
    contents_->setModel(bookmarks_);
    contents_->setHeaderHidden(true);
    searchModel_->setDocument(document_);
    search_->setObjectName("helpSearch");
    search_->setPlaceholderText("Search the help");
    search_->setClearButtonEnabled(true);
    finds_->setObjectName("helpFinds");
    finds_->setModel(searchModel_);
    finds_->hide();

    auto* side = new QWidget;
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(search_);
    column->addWidget(finds_, 1);
    column->addWidget(contents_, 2);
    content_->setObjectName("helpContent");
    content_->addWidget(side);
    content_->addWidget(viewer_);
    content_->setStretchFactor(1, 1);
    content_->setSizes({220, 680});

    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
        searchModel_->setSearchString(text.trimmed());
        finds_->setVisible(!text.trimmed().isEmpty());
    });
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        if (searchModel_->rowCount({}) > 0) {
            finds_->setCurrentIndex(searchModel_->index(0, 0));
            showPlace(searchModel_->index(0, 0), int(QPdfSearchModel::Role::Page),
                      int(QPdfSearchModel::Role::Location));
        }
    });
    connect(finds_, &QListView::activated, this, [this](const QModelIndex& index) {
        showPlace(index, int(QPdfSearchModel::Role::Page), int(QPdfSearchModel::Role::Location));
    });
    connect(finds_, &QListView::clicked, this, [this](const QModelIndex& index) {
        showPlace(index, int(QPdfSearchModel::Role::Page), int(QPdfSearchModel::Role::Location));
    });
    auto showBookmark = [this](const QModelIndex& index) {
        showPlace(index, int(QPdfBookmarkModel::Role::Page), int(QPdfBookmarkModel::Role::Location));
    };
    connect(contents_, &QTreeView::activated, this, showBookmark);
    connect(contents_, &QTreeView::clicked, this, showBookmark);

    document_->load(documentPath);  // its errors are of no concern to the user
}

QWidget& HelpWindow::content() { return *content_; }

void HelpWindow::showPlace(const QModelIndex& index, int pageRole, int locationRole) {
    if (!index.isValid()) return;
    viewer_->pageNavigator()->jump(index.data(pageRole).toInt(), index.data(locationRole).toPointF());
}

bool HelpWindow::showSection(const QString& heading) {
    const QModelIndex index = BookmarkStarting(*bookmarks_, heading);
    if (!index.isValid()) return false;
    contents_->setCurrentIndex(index);
    showPlace(index, int(QPdfBookmarkModel::Role::Page), int(QPdfBookmarkModel::Role::Location));
    return true;
}

int HelpWindow::currentPage() const { return viewer_->pageNavigator()->currentPage(); }

void HelpWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    content_->setGeometry(0, 0, ViewerExtentPixels(width()), ViewerExtentPixels(height()));
}

}  // namespace kelvara
