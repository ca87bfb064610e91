#pragma once
#include <QIcon>

namespace kelvara {

// The suitcase that marks the export command of the report window, as the
// report windows' titles call it. Drawn here, so it looks the same on every
// desktop.
QIcon SuitcaseIcon();

}  // namespace kelvara
