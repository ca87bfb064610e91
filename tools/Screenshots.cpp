// Draws every window of the program into PNG files, for looking at them
// without a display:  QT_QPA_PLATFORM=offscreen kv-screenshots <folder>
//
// The preferences go to a scratch store, so the user's own stay untouched.
// Every calculator registered with the main window is shot as it opens; one
// that wants sample inputs in its picture adds a filler to SampleInputs.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <map>

#include "AppVersion.h"
#include "DisclaimerWindow.h"
#include "Shell.h"
#include "StartUpPreferences.h"

using namespace kelvara;

namespace {

// Fills a calculator window, found by its form name, with example figures.
const std::map<QString, std::function<void(QWidget&)>>& SampleInputs() {
    static const std::map<QString, std::function<void(QWidget&)>> fillers;
    return fillers;
}

// Lets the windows finish painting; the help viewer draws its pages in the
// background, so this waits a little rather than only emptying the queue.
void Settle() {
    QEventLoop loop;
    QTimer::singleShot(600, &loop, &QEventLoop::quit);
    loop.exec();
}

bool Save(QWidget& widget, const QDir& folder, const QString& name) {
    Settle();
    const QString path = folder.filePath(name + ".png");
    const bool saved = widget.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kv-screenshots <folder>\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "kv-screenshots: cannot make %s\n", argv[1]);
        return 1;
    }
    QCoreApplication::setApplicationVersion(VersionString(CurrentVersion()));
    QTemporaryDir scratch;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, scratch.path());
    SetShowAboutAtStartup(false);
    SetAcceptedDisclaimerVersion(VersionNumber(CurrentVersion()));

    Shell shell(QCoreApplication::applicationDirPath());
    shell.start();
    MainWindow& main = shell.mainWindow();
    main.resize(1100, 760);
    bool ok = Save(main, folder, "MDIForm1");

    QWidget* about = main.showAbout();
    ok &= Save(*about, folder, "frmAbout");
    about->close();

    DisclaimerWindow disclaimer(&main);
    disclaimer.show();
    ok &= Save(disclaimer, folder, "frmDisclaimerYesNo");
    disclaimer.close();

    for (const QString& item : main.registeredItems()) {
        QWidget* window = main.openWindow(item);
        if (auto filler = SampleInputs().find(window->objectName()); filler != SampleInputs().end())
            filler->second(*window);
        ok &= Save(*window->parentWidget(), folder, window->objectName());
    }
    ok &= Save(main, folder, "MDIForm1-with-windows");
    return ok ? 0 : 1;
}
