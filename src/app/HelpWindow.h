#pragma once
#include <QWidget>

class QLineEdit;
class QListView;
class QModelIndex;
class QPdfBookmarkModel;
class QPdfDocument;
class QPdfSearchModel;
class QPdfView;
class QSplitter;
class QTreeView;

namespace kelvara {

// The help window (frmHelpBrowser): the help document beside its contents
// (the document's bookmarks) and a search box whose finds are listed under
// them; a click on either shows the place. Together they fill the window less
// a margin on the right and at the bottom. A missing or unreadable document
// leaves the viewer empty.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(const QString& documentPath, QWidget* parent = nullptr);

    QPdfView& viewer() { return *viewer_; }
    QWidget& content();
    QTreeView& contents() { return *contents_; }
    QLineEdit& searchBox() { return *search_; }
    QListView& finds() { return *finds_; }

    // Shows the section whose heading starts with the given words; false
    // when the document has none.
    bool showSection(const QString& heading);
    int currentPage() const;

    QSize sizeHint() const override { return {900, 600}; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showPlace(const QModelIndex& index, int pageRole, int locationRole);

    QPdfDocument* document_;
    QPdfView* viewer_;
    QPdfBookmarkModel* bookmarks_;
    QPdfSearchModel* searchModel_;
    QSplitter* content_;
    QTreeView* contents_;
    QLineEdit* search_;
    QListView* finds_;
};

// The viewer's extent for an inner extent of the window, both in twips.
int HelpViewerExtentTwips(int innerTwips);

// The heading of the help section about the calculator window of that name
// ("frmAnnual"); empty for a window the help has no section for.
QString HelpSectionFor(const QString& formName);

}  // namespace kelvara
