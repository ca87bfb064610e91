#pragma once

namespace kelvara {

// The two preferences kept between runs, in the program's QSettings store.

// Whether the About window shows at start-up; on until the user turns it off.
bool ShowAboutAtStartup();
void SetShowAboutAtStartup(bool show);

// The version number whose disclaimer the user last accepted; 0 before any.
int AcceptedDisclaimerVersion();
void SetAcceptedDisclaimerVersion(int versionNumber);

}  // namespace kelvara
