#pragma once
#include <QPrinter>
#include <QWidget>

#include "ReportComposer.h"

class QLabel;
class QPrintPreviewWidget;

namespace kelvara {

// The report window: the pages of one report as they will print, with page
// navigation, zoom, printing on the program's printer and export to PDF.
class ReportWindow : public QWidget {
    Q_OBJECT
public:
    ReportWindow(const ComposedReport& report, QPrinter& printer, QWidget* parent = nullptr);

    int pageCount() const;
    QPrintPreviewWidget* preview() const { return preview_; }

private:
    void ShowPageNumber();
    void Print();

    ComposedReport report_;
    QPrinter& printer_;
    QPrinter previewPrinter_;
    QPrintPreviewWidget* preview_;
    QLabel* pageLabel_;
};

}  // namespace kelvara
