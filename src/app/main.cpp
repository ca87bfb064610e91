#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <optional>

#include "AppVersion.h"
#include "Shell.h"

namespace {

// Notes the first paint of any part of a window, from the moment it is made.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(const QWidget& window) : window_(window) { qApp->installEventFilter(this); }
    bool seen() const { return seen_; }

    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && object->isWidgetType() &&
            static_cast<QWidget*>(object)->window() == &window_)
            seen_ = true;
        return false;
    }

private:
    const QWidget& window_;
    bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Kelvara Software");
    QCoreApplication::setOrganizationDomain("kelvara.co.za");
    QCoreApplication::setApplicationName("Kelvara 2027");
    QCoreApplication::setApplicationVersion(kelvara::VersionString(kelvara::CurrentVersion()));

    kelvara::Shell shell(QCoreApplication::applicationDirPath());
    // --quit-after-first-paint, for the start-up benchmark only: the program
    // ends once start-up is over and the main window has been painted.
    std::optional<FirstPaint> firstPaint;
    if (QCoreApplication::arguments().contains("--quit-after-first-paint")) firstPaint.emplace(shell.mainWindow());
    if (!shell.start()) return 0;
    if (!firstPaint) return app.exec();
    while (!firstPaint->seen()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return 0;
}
