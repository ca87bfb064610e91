#pragma once
#include <QObject>
#include <QStringList>
#include <filesystem>
#include <vector>

#include "TaxYearCatalogue.h"

class QMenu;

namespace kelvara {

class MainWindow;

// The "&Tax year" choice on the File menu: every year the program has (the
// delivered ones and those in the user's folder), the one in use checked. The
// choice is remembered for the next start; the main window's caption names
// the year in use.
class TaxYearMenu : public QObject {
public:
    // folders: where year files lie, the program's before the user's.
    TaxYearMenu(MainWindow& window, const std::vector<std::filesystem::path>& folders);

    // Works in the remembered year, or in the latest when there is none or it
    // is gone. Returns the messages of the year files that were refused.
    QStringList start();

    // Works in the given year from now on: the calculator windows close, the
    // shared state goes back to its start, and the choice is remembered.
    // False when the program has no such year.
    bool pick(int year);

private:
    void use(const TaxYearChoice& choice);

    MainWindow& window_;
    TaxYearCatalogue catalogue_;
    QMenu* menu_;
    QString plainCaption_;
};

}  // namespace kelvara
