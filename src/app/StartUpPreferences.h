#pragma once

namespace kelvara {

// The two preferences kept between runs, in the program's QSettings store.

// Whether the About window shows at start-up; on until the user turns it off.
bool ShowAboutAtStartup();
void SetShowAboutAtStartup(bool show);

// The version number whose disclaimer the user last accepted; 0 before any.
int AcceptedDisclaimerVersion();
void SetAcceptedDisclaimerVersion(int versionNumber);

// The tax year the user picked on the File menu (the calendar year it ends
// in); 0 before any, which means the latest year the program has.
int PreferredTaxYear();
void SetPreferredTaxYear(int year);

}  // namespace kelvara
