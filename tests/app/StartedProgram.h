#pragma once
// The whole program as a user starts it, for the tests that drive it: its
// preferences and its folder the test's own, its modal windows answered.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

#include "AppVersion.h"
#include "DeliveredDatabase.h"
#include "MessageService.h"
#include "Shell.h"
#include "StartUpPreferences.h"

namespace kelvara::testing {

// Sends the program's preferences to a folder of their own for the test run;
// clear() empties them before each test.
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

// Answers the first modal window of its kind that opens; remembers whether one did.
template <class Modal>
class ModalAnswerer {
public:
    explicit ModalAnswerer(std::function<void(Modal&)> answer) {
        QObject::connect(&timer_, &QTimer::timeout, [this, answer = std::move(answer)] {
            if (auto* modal = qobject_cast<Modal*>(QApplication::activeModalWidget())) {
                timer_.stop();
                seen_ = true;
                answer(*modal);
            }
        });
        timer_.start(10);
    }
    bool seen() const { return seen_; }

private:
    QTimer timer_;
    bool seen_ = false;
};

// The program started from a folder of its own, which holds the report
// layouts copied from beside the built program and, made afresh for each
// start, the databases as delivered. The About window and the disclaimer are
// out of the way; messages are recorded.
class StartedProgram {
public:
    StartedProgram() {
        const QDir runtime(qEnvironmentVariable("KV_RUNTIME_DIR", "."));
        for (const QString& layout : runtime.entryList({"*.rpt"}))
            QFile::copy(runtime.filePath(layout), folder_.filePath(layout));
    }

    // Removes the databases, and whatever was kept aside of them, makes them
    // as delivered and starts the program.
    bool start() {
        preferences_.clear();
        SetShowAboutAtStartup(false);
        SetAcceptedDisclaimerVersion(VersionNumber(CurrentVersion()));
        QDir folder(folder_.path());
        for (const QString& file : folder.entryList({"*.db", "*.db.*"}))
            if (!folder.remove(file)) return false;
        for (DeliveredDatabase which : {DeliveredDatabase::Settings, DeliveredDatabase::Reports})
            if (!CreateDeliveredDatabase(folder.filePath(DeliveredFileName(which)).toStdString(), which).ok)
                return false;
        shell_ = std::make_unique<Shell>(folder_.path());
        return shell_->start();
    }
    void stop() {
        shell_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        messages.clear();
    }

    Shell& shell() { return *shell_; }
    MainWindow& main() { return shell_->mainWindow(); }
    QString folder() const { return folder_.path(); }

    ui::MessageRecorder messages;

private:
    ScratchSettings preferences_;
    QTemporaryDir folder_;
    std::unique_ptr<Shell> shell_;
};

}  // namespace kelvara::testing
