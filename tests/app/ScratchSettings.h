#pragma once
#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

// Sends the program's preferences to a folder of their own for the test run,
// and empties them before each test.
class ScratchSettings {
public:
    ScratchSettings() {
        QCoreApplication::setOrganizationName("Kelvara Tests");
        QCoreApplication::setApplicationName("Kelvara 2027 Tests");
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path());
    }
    void clear() { QSettings().clear(); }

private:
    QTemporaryDir folder_;
};
