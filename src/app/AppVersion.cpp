#include "AppVersion.h"

#include "NumberFormat.h"

namespace kelvara {

ProgramVersion CurrentVersion() { return {KV_VERSION_MAJOR, KV_VERSION_MINOR, KV_VERSION_REVISION}; }

QString VersionString(ProgramVersion version) {
    return QStringLiteral("%1.%2.%3").arg(version.Major).arg(version.Minor).arg(version.Revision);
}

QString VersionText(ProgramVersion version) {
    return QString::number(version.Major) + "." + QString::fromStdString(FormatPattern(version.Minor, "00")) + "." +
           QString::fromStdString(FormatPattern(version.Revision, "000"));
}

int VersionNumber(ProgramVersion version) {
    return (QString::number(version.Major) + QString::number(version.Minor) + QString::number(version.Revision))
        .toInt();
}

QString MainCaption(ProgramVersion version) { return "Kelvara 2027 Ver: " + VersionText(version) + " - " + MakerName; }

}  // namespace kelvara
