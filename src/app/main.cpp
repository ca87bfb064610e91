#include <QApplication>

#include "AppVersion.h"
#include "Shell.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Kelvara Software");
    QCoreApplication::setOrganizationDomain("kelvara.co.za");
    QCoreApplication::setApplicationName("Kelvara 2027");
    QCoreApplication::setApplicationVersion(kelvara::VersionString(kelvara::CurrentVersion()));

    kelvara::Shell shell(QCoreApplication::applicationDirPath());
    if (!shell.start()) return 0;
    return app.exec();
}
