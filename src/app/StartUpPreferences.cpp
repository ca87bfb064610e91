#include "StartUpPreferences.h"

#include <QSettings>

namespace kelvara {

namespace {
constexpr const char* ShowAboutKey = "ShowAboutAtStartup";
constexpr const char* AcceptedDisclaimerKey = "AcceptedDisclaimerVersion";
constexpr const char* TaxYearKey = "TaxYear";
}  // namespace

bool ShowAboutAtStartup() { return QSettings().value(ShowAboutKey, true).toBool(); }

void SetShowAboutAtStartup(bool show) { QSettings().setValue(ShowAboutKey, show); }

// A value that does not read as a number counts as no accepted version, so the
// disclaimer is shown again rather than skipped.
int AcceptedDisclaimerVersion() { return QSettings().value(AcceptedDisclaimerKey, 0).toInt(); }

void SetAcceptedDisclaimerVersion(int versionNumber) { QSettings().setValue(AcceptedDisclaimerKey, versionNumber); }

int PreferredTaxYear() { return QSettings().value(TaxYearKey, 0).toInt(); }

void SetPreferredTaxYear(int year) { QSettings().setValue(TaxYearKey, year); }

}  // namespace kelvara
