#pragma once
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "DeliveredDatabase.h"

namespace kelvara::testing {

// A program folder of the test's own: the report layouts copied from beside
// the built program, and the two databases as delivered, made afresh on
// request.
class ProgramFolder {
public:
    ProgramFolder() {
        const QDir runtime(qEnvironmentVariable("KV_RUNTIME_DIR", "."));
        for (const QString& layout : runtime.entryList({"*.rpt"}))
            QFile::copy(runtime.filePath(layout), folder_.filePath(layout));
    }

    QString path() const { return folder_.path(); }

    // Removes the databases, and whatever was kept aside of them, and makes
    // them as delivered.
    bool freshDatabases() {
        QDir folder(folder_.path());
        for (const QString& file : folder.entryList({"*.db", "*.db.*"}))
            if (!folder.remove(file)) return false;
        for (DeliveredDatabase which : {DeliveredDatabase::Settings, DeliveredDatabase::Reports})
            if (!CreateDeliveredDatabase(folder.filePath(DeliveredFileName(which)).toStdString(), which).ok)
                return false;
        return true;
    }

private:
    QTemporaryDir folder_;
};

}  // namespace kelvara::testing
