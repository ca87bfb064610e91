-- Crysprin.db: the report database. Every print writes its figures into one
-- table here and the report engine reads them through a layout file (.rpt).
-- Single-record tables are delivered with their one record (zeros and empty
-- texts); every print overwrites it. "compcar" and "Amort" hold one row per
-- item and are emptied and refilled on every print.
-- Types: DOUBLE amounts, rates and percentages; SMALLINT 16-bit ages and
-- counters; INTEGER 32-bit day numbers and counts; FLOAT single precision;
-- TEXT captions, names and dates written as text.
-- The program builds Crysprin.db from this file and rebuilds it from the same
-- file when the database is missing or damaged.

-- QuickTax: the tax on an annual taxable income.
CREATE TABLE "kwiktax" (
  "AGE"       SMALLINT NOT NULL DEFAULT 0,
  "TAXINCOME" DOUBLE   NOT NULL DEFAULT 0,
  "TAXTOPAY"  DOUBLE   NOT NULL DEFAULT 0,
  "MARGRATE"  DOUBLE   NOT NULL DEFAULT 0,
  "PORTION"   DOUBLE   NOT NULL DEFAULT 0,
  "TOTTAX"    DOUBLE   NOT NULL DEFAULT 0,
  "REBATE"    DOUBLE   NOT NULL DEFAULT 0,
  "TAXCOM4"   DOUBLE   NOT NULL DEFAULT 0,
  "AVRATE"    DOUBLE   NOT NULL DEFAULT 0,
  "AVRATEAFT" DOUBLE   NOT NULL DEFAULT 0,
  "TAXCOM4/2" DOUBLE   NOT NULL DEFAULT 0
);
INSERT INTO "kwiktax" DEFAULT VALUES;

-- Annual payslip check: caption texts paired with their values.
CREATE TABLE "IRP5Ann" (
  "TypeAM"             TEXT     NOT NULL DEFAULT '',
  "Employee"           TEXT     NOT NULL DEFAULT '',
  "Age"                TEXT     NOT NULL DEFAULT '',
  "AgeNum"             SMALLINT NOT NULL DEFAULT 0,
  "Sal"                TEXT     NOT NULL DEFAULT '',
  "SalNum"             DOUBLE   NOT NULL DEFAULT 0,
  "DirFees"            TEXT     NOT NULL DEFAULT '',
  "DirFeesNum"         DOUBLE   NOT NULL DEFAULT 0,
  "TravAll"            TEXT     NOT NULL DEFAULT '',
  "RecBefNum"          DOUBLE   NOT NULL DEFAULT 0,
  "Bonus"              TEXT     NOT NULL DEFAULT '',
  "BonusNum"           DOUBLE   NOT NULL DEFAULT 0,
  "MedExp"             TEXT     NOT NULL DEFAULT '',
  "MedExpNum"          DOUBLE   NOT NULL DEFAULT 0,
  "PenCont"            TEXT     NOT NULL DEFAULT '',
  "PenContNum"         DOUBLE   NOT NULL DEFAULT 0,
  "RACont"             TEXT     NOT NULL DEFAULT '',
  "RAContNum"          DOUBLE   NOT NULL DEFAULT 0,
  "SDate"              TEXT     NOT NULL DEFAULT '',
  "SDateNum"           TEXT     NOT NULL DEFAULT '',
  "EDate"              TEXT     NOT NULL DEFAULT '',
  "EDateNum"           TEXT     NOT NULL DEFAULT '',
  "SITE"               TEXT     NOT NULL DEFAULT '',
  "SITENum"            DOUBLE   NOT NULL DEFAULT 0,
  "PAYE"               TEXT     NOT NULL DEFAULT '',
  "PAYENum"            DOUBLE   NOT NULL DEFAULT 0,
  "Taxliability"       TEXT     NOT NULL DEFAULT '',
  "Taxliabilitynum"    DOUBLE   NOT NULL DEFAULT 0,
  "TaxCredit"          TEXT     NOT NULL DEFAULT '',
  "Taxcreditnum"       DOUBLE   NOT NULL DEFAULT 0,
  "TaxCreditCons"      TEXT     NOT NULL DEFAULT '',
  "TaxcreditnumCons"   DOUBLE   NOT NULL DEFAULT 0,
  "NumOFBens"          TEXT     NOT NULL DEFAULT '',
  "EmpERMedAidCont"    TEXT     NOT NULL DEFAULT '',
  "EmpERMedAidContnum" DOUBLE   NOT NULL DEFAULT 0,
  "EmpEEMedAidCont"    TEXT     NOT NULL DEFAULT '',
  "EmpEEMedAidContnum" DOUBLE   NOT NULL DEFAULT 0,
  "AnnCalcBens3"       TEXT     NOT NULL DEFAULT '',
  "AnnCalcBens3num"    SMALLINT NOT NULL DEFAULT 0,
  "AnnCalcBens4"       TEXT     NOT NULL DEFAULT '',
  "AnnCalcBens4num"    SMALLINT NOT NULL DEFAULT 0,
  "AnnCalcBens5"       TEXT     NOT NULL DEFAULT '',
  "AnnCalcBens5num"    SMALLINT NOT NULL DEFAULT 0,
  "AnnCalcBens6"       TEXT     NOT NULL DEFAULT '',
  "AnnCalcBens6num"    SMALLINT NOT NULL DEFAULT 0,
  "AnnCalcBens7"       TEXT     NOT NULL DEFAULT '',
  "AnnCalcBens7num"    SMALLINT NOT NULL DEFAULT 0,
  "AnnCalcBens8"       TEXT     NOT NULL DEFAULT '',
  "AnnCalcBens8num"    SMALLINT NOT NULL DEFAULT 0,
  "AnnCalcBens9"       TEXT     NOT NULL DEFAULT '',
  "AnnCalcBens9num"    SMALLINT NOT NULL DEFAULT 0,
  "AnnCalcBens10"      TEXT     NOT NULL DEFAULT '',
  "AnnCalcBens10num"   SMALLINT NOT NULL DEFAULT 0,
  "AnnCalcBens11"      TEXT     NOT NULL DEFAULT '',
  "AnnCalcBens11num"   SMALLINT NOT NULL DEFAULT 0,
  "AnnCalcBens12"      TEXT     NOT NULL DEFAULT '',
  "AnnCalcBens12num"   SMALLINT NOT NULL DEFAULT 0,
  "AnnCalcBens1"       TEXT     NOT NULL DEFAULT '',
  "AnnCalcBens1num"    SMALLINT NOT NULL DEFAULT 0,
  "AnnCalcBens2"       TEXT     NOT NULL DEFAULT '',
  "AnnCalcBens2num"    SMALLINT NOT NULL DEFAULT 0,
  "MedAidBens"         TEXT     NOT NULL DEFAULT '',
  "MedAidBensnum"      INTEGER  NOT NULL DEFAULT 0,
  "TOTAL"              TEXT     NOT NULL DEFAULT '',
  "TotalNum"           DOUBLE   NOT NULL DEFAULT 0,
  "EOE"                TEXT     NOT NULL DEFAULT ''
);
INSERT INTO "IRP5Ann" DEFAULT VALUES;

-- Monthly payslip check.
CREATE TABLE "IRP5Mon" (
  "TypeAM"             TEXT     NOT NULL DEFAULT '',
  "Employee"           TEXT     NOT NULL DEFAULT '',
  "Age"                TEXT     NOT NULL DEFAULT '',
  "AgeNum"             SMALLINT NOT NULL DEFAULT 0,
  "Sal"                TEXT     NOT NULL DEFAULT '',
  "SalNum"             DOUBLE   NOT NULL DEFAULT 0,
  "DirFees"            TEXT     NOT NULL DEFAULT '',
  "DirFeesNum"         DOUBLE   NOT NULL DEFAULT 0,
  "TravAll"            TEXT     NOT NULL DEFAULT '',
  "TravOne"            DOUBLE   NOT NULL DEFAULT 0,
  "TravTwo"            DOUBLE   NOT NULL DEFAULT 0,
  "Bonus"              TEXT     NOT NULL DEFAULT '',
  "BonusNum"           DOUBLE   NOT NULL DEFAULT 0,
  "MedExp"             TEXT     NOT NULL DEFAULT '',
  "MedExpNum"          DOUBLE   NOT NULL DEFAULT 0,
  "PenCont"            TEXT     NOT NULL DEFAULT '',
  "PenContNum"         DOUBLE   NOT NULL DEFAULT 0,
  "RACont"             TEXT     NOT NULL DEFAULT '',
  "RAContNum"          DOUBLE   NOT NULL DEFAULT 0,
  "SDate"              TEXT     NOT NULL DEFAULT '',
  "SDateNum"           TEXT     NOT NULL DEFAULT '',
  "EDate"              TEXT     NOT NULL DEFAULT '',
  "EDateNum"           TEXT     NOT NULL DEFAULT '',
  "UIFEMPE"            TEXT     NOT NULL DEFAULT '',
  "UIFEMPENum"         DOUBLE   NOT NULL DEFAULT 0,
  "UIFEMPR"            TEXT     NOT NULL DEFAULT '',
  "UIFEMPRNum"         DOUBLE   NOT NULL DEFAULT 0,
  "SDL"                TEXT     NOT NULL DEFAULT '',
  "SDLNum"             DOUBLE   NOT NULL DEFAULT 0,
  "EOE"                TEXT     NOT NULL DEFAULT '',
  "Taxliability"       TEXT     NOT NULL DEFAULT '',
  "Taxliabilitynum"    DOUBLE   NOT NULL DEFAULT 0,
  "EmpERMedAidCont"    TEXT     NOT NULL DEFAULT '',
  "EmpERMedAidContnum" DOUBLE   NOT NULL DEFAULT 0,
  "EmpEEMedAidCont"    TEXT     NOT NULL DEFAULT '',
  "EmpEEMedAidContnum" DOUBLE   NOT NULL DEFAULT 0,
  "AnnCalcBens3"       TEXT     NOT NULL DEFAULT '',
  "AnnCalcBens3num"    SMALLINT NOT NULL DEFAULT 0,
  "MedAidBens"         TEXT     NOT NULL DEFAULT '',
  "TaxCredit"          TEXT     NOT NULL DEFAULT '',
  "Taxcreditnum"       DOUBLE   NOT NULL DEFAULT 0,
  "TaxCreditCons"      TEXT     NOT NULL DEFAULT '',
  "TaxcreditnumCons"   DOUBLE   NOT NULL DEFAULT 0,
  "TOTAL"              TEXT     NOT NULL DEFAULT '',
  "TotalNum"           DOUBLE   NOT NULL DEFAULT 0
);
INSERT INTO "IRP5Mon" DEFAULT VALUES;

-- Weekly and fortnightly payslip checks (shared).
CREATE TABLE "IRP5Week" (
  "TypeAM"             TEXT     NOT NULL DEFAULT '',
  "Employee"           TEXT     NOT NULL DEFAULT '',
  "Age"                TEXT     NOT NULL DEFAULT '',
  "AgeNum"             SMALLINT NOT NULL DEFAULT 0,
  "Sal"                TEXT     NOT NULL DEFAULT '',
  "SalNum"             DOUBLE   NOT NULL DEFAULT 0,
  "DirFees"            TEXT     NOT NULL DEFAULT '',
  "DirFeesNum"         DOUBLE   NOT NULL DEFAULT 0,
  "TravAll"            TEXT     NOT NULL DEFAULT '',
  "RecBefNum"          DOUBLE   NOT NULL DEFAULT 0,
  "Bonus"              TEXT     NOT NULL DEFAULT '',
  "BonusNum"           DOUBLE   NOT NULL DEFAULT 0,
  "MedExp"             TEXT     NOT NULL DEFAULT '',
  "MedExpNum"          DOUBLE   NOT NULL DEFAULT 0,
  "PenCont"            TEXT     NOT NULL DEFAULT '',
  "PenContNum"         DOUBLE   NOT NULL DEFAULT 0,
  "RACont"             TEXT     NOT NULL DEFAULT '',
  "RAContNum"          DOUBLE   NOT NULL DEFAULT 0,
  "SDate"              TEXT     NOT NULL DEFAULT '',
  "SDateNum"           TEXT     NOT NULL DEFAULT '',
  "EDate"              TEXT     NOT NULL DEFAULT '',
  "EDateNum"           TEXT     NOT NULL DEFAULT '',
  "UIFEMPE"            TEXT     NOT NULL DEFAULT '',
  "UIFEMPENum"         DOUBLE   NOT NULL DEFAULT 0,
  "UIFEMPR"            TEXT     NOT NULL DEFAULT '',
  "UIFEMPRNum"         DOUBLE   NOT NULL DEFAULT 0,
  "SDL"                TEXT     NOT NULL DEFAULT '',
  "SDLNum"             DOUBLE   NOT NULL DEFAULT 0,
  "EOE"                TEXT     NOT NULL DEFAULT '',
  "Taxliability"       TEXT     NOT NULL DEFAULT '',
  "Taxliabilitynum"    DOUBLE   NOT NULL DEFAULT 0,
  "EmpERMedAidCont"    TEXT     NOT NULL DEFAULT '',
  "EmpERMedAidContnum" DOUBLE   NOT NULL DEFAULT 0,
  "EmpEEMedAidCont"    TEXT     NOT NULL DEFAULT '',
  "EmpEEMedAidContnum" DOUBLE   NOT NULL DEFAULT 0,
  "AnnCalcBens3"       TEXT     NOT NULL DEFAULT '',
  "AnnCalcBens3num"    SMALLINT NOT NULL DEFAULT 0,
  "MedAidBens"         TEXT     NOT NULL DEFAULT '',
  "TaxCredit"          TEXT     NOT NULL DEFAULT '',
  "Taxcreditnum"       DOUBLE   NOT NULL DEFAULT 0,
  "TaxCreditCons"      TEXT     NOT NULL DEFAULT '',
  "TaxcreditnumCons"   DOUBLE   NOT NULL DEFAULT 0,
  "TOTAL"              TEXT     NOT NULL DEFAULT '',
  "TotalNum"           DOUBLE   NOT NULL DEFAULT 0
);
INSERT INTO "IRP5Week" DEFAULT VALUES;

-- Daily payslip check.
CREATE TABLE "IRP5Day" (
  "TypeAM"             TEXT     NOT NULL DEFAULT '',
  "Employee"           TEXT     NOT NULL DEFAULT '',
  "Age"                TEXT     NOT NULL DEFAULT '',
  "AgeNum"             SMALLINT NOT NULL DEFAULT 0,
  "Sal"                TEXT     NOT NULL DEFAULT '',
  "SalNum"             DOUBLE   NOT NULL DEFAULT 0,
  "DirFees"            TEXT     NOT NULL DEFAULT '',
  "DirFeesNum"         DOUBLE   NOT NULL DEFAULT 0,
  "TravAll"            TEXT     NOT NULL DEFAULT '',
  "RecBefNum"          DOUBLE   NOT NULL DEFAULT 0,
  "Bonus"              TEXT     NOT NULL DEFAULT '',
  "BonusNum"           DOUBLE   NOT NULL DEFAULT 0,
  "MedExp"             TEXT     NOT NULL DEFAULT '',
  "MedExpNum"          DOUBLE   NOT NULL DEFAULT 0,
  "PenCont"            TEXT     NOT NULL DEFAULT '',
  "PenContNum"         DOUBLE   NOT NULL DEFAULT 0,
  "RACont"             TEXT     NOT NULL DEFAULT '',
  "RAContNum"          DOUBLE   NOT NULL DEFAULT 0,
  "UIFEMPE"            TEXT     NOT NULL DEFAULT '',
  "UIFEMPENum"         DOUBLE   NOT NULL DEFAULT 0,
  "UIFEMPR"            TEXT     NOT NULL DEFAULT '',
  "UIFEMPRNum"         DOUBLE   NOT NULL DEFAULT 0,
  "SDL"                TEXT     NOT NULL DEFAULT '',
  "SDLNum"             DOUBLE   NOT NULL DEFAULT 0,
  "EOE"                TEXT     NOT NULL DEFAULT '',
  "Taxliability"       TEXT     NOT NULL DEFAULT '',
  "Taxliabilitynum"    DOUBLE   NOT NULL DEFAULT 0,
  "EmpERMedAidCont"    TEXT     NOT NULL DEFAULT '',
  "EmpERMedAidContnum" DOUBLE   NOT NULL DEFAULT 0,
  "EmpEEMedAidCont"    TEXT     NOT NULL DEFAULT '',
  "EmpEEMedAidContnum" DOUBLE   NOT NULL DEFAULT 0,
  "AnnCalcBens3"       TEXT     NOT NULL DEFAULT '',
  "AnnCalcBens3num"    SMALLINT NOT NULL DEFAULT 0,
  "MedAidBens"         TEXT     NOT NULL DEFAULT '',
  "TaxCredit"          TEXT     NOT NULL DEFAULT '',
  "Taxcreditnum"       DOUBLE   NOT NULL DEFAULT 0,
  "TaxCreditCons"      TEXT     NOT NULL DEFAULT '',
  "TaxcreditnumCons"   DOUBLE   NOT NULL DEFAULT 0,
  "TOTAL"              TEXT     NOT NULL DEFAULT '',
  "TotalNum"           DOUBLE   NOT NULL DEFAULT 0
);
INSERT INTO "IRP5Day" DEFAULT VALUES;

-- Salary packages, gross to net and net to gross (all four windows).
CREATE TABLE "SalPackage" (
  "MonAnn"          TEXT     NOT NULL DEFAULT '',
  "TPName"          TEXT     NOT NULL DEFAULT '',
  "TPAge"           INTEGER  NOT NULL DEFAULT 0,
  "MonAnnSal"       TEXT     NOT NULL DEFAULT '',
  "NetMonSal"       DOUBLE   NOT NULL DEFAULT 0,
  "CostToComp"      DOUBLE   NOT NULL DEFAULT 0,
  "CompCar"         DOUBLE   NOT NULL DEFAULT 0,
  "CompCarCC"       DOUBLE   NOT NULL DEFAULT 0,
  "TravAll"         DOUBLE   NOT NULL DEFAULT 0,
  "TravAllCC"       DOUBLE   NOT NULL DEFAULT 0,
  "MedAidCont"      DOUBLE   NOT NULL DEFAULT 0,
  "MedAidContCC"    DOUBLE   NOT NULL DEFAULT 0,
  "PMems"           INTEGER  NOT NULL DEFAULT 0,
  "AddBens"         INTEGER  NOT NULL DEFAULT 0,
  "TaxFreeMedPrint" DOUBLE   NOT NULL DEFAULT 0,
  "OtherTaxFB"      DOUBLE   NOT NULL DEFAULT 0,
  "OtherTaxFBCC"    DOUBLE   NOT NULL DEFAULT 0,
  "PenDeduct"       DOUBLE   NOT NULL DEFAULT 0,
  "PenDeductCC"     DOUBLE   NOT NULL DEFAULT 0,
  "ProvDeduct"      DOUBLE   NOT NULL DEFAULT 0,
  "ProvDeductCC"    DOUBLE   NOT NULL DEFAULT 0,
  "RADirective"     TEXT     NOT NULL DEFAULT '',
  "RADeduct"        DOUBLE   NOT NULL DEFAULT 0,
  "MedDeduct"       DOUBLE   NOT NULL DEFAULT 0,
  "UIFCont"         DOUBLE   NOT NULL DEFAULT 0,
  "UIFContCC"       DOUBLE   NOT NULL DEFAULT 0,
  "SkillLevy"       DOUBLE   NOT NULL DEFAULT 0,
  "TaxDue"          DOUBLE   NOT NULL DEFAULT 0,
  "TaxCredit"       DOUBLE   NOT NULL DEFAULT 0,
  "TaxDeduct"       DOUBLE   NOT NULL DEFAULT 0,
  "PrinMembers"     TEXT     NOT NULL DEFAULT '',
  "BenMembers"      TEXT     NOT NULL DEFAULT '',
  "OEXPTXT"         TEXT     NOT NULL DEFAULT '',
  "ODedTxt0"        TEXT     NOT NULL DEFAULT '',
  "ODedR0"          TEXT     NOT NULL DEFAULT '',
  "ODedNum0"        DOUBLE   NOT NULL DEFAULT 0,
  "ODedNumCC0"      DOUBLE   NOT NULL DEFAULT 0,
  "ODedTxt1"        TEXT     NOT NULL DEFAULT '',
  "ODedR1"          TEXT     NOT NULL DEFAULT '',
  "ODedNum1"        DOUBLE   NOT NULL DEFAULT 0,
  "ODedNumCC1"      DOUBLE   NOT NULL DEFAULT 0,
  "ODedTxt2"        TEXT     NOT NULL DEFAULT '',
  "ODedR2"          TEXT     NOT NULL DEFAULT '',
  "ODedNum2"        DOUBLE   NOT NULL DEFAULT 0,
  "ODedNumCC2"      DOUBLE   NOT NULL DEFAULT 0,
  "ODedTxt3"        TEXT     NOT NULL DEFAULT '',
  "ODedR3"          TEXT     NOT NULL DEFAULT '',
  "ODedNum3"        DOUBLE   NOT NULL DEFAULT 0,
  "ODedNumCC3"      DOUBLE   NOT NULL DEFAULT 0,
  "GSal"            DOUBLE   NOT NULL DEFAULT 0,
  "TotCostComp"     DOUBLE   NOT NULL DEFAULT 0,
  "PlusCompCar1"    TEXT     NOT NULL DEFAULT '',
  "PlusCompCar2"    TEXT     NOT NULL DEFAULT ''
);
INSERT INTO "SalPackage" DEFAULT VALUES;

-- Car allowance: the deduction claim against a travel allowance.
CREATE TABLE "traveldeduction" (
  "TPName"      TEXT     NOT NULL DEFAULT '',
  "CARNO"       SMALLINT NOT NULL DEFAULT 0,
  "mta01"       TEXT     NOT NULL DEFAULT '',
  "mta03"       DOUBLE   NOT NULL DEFAULT 0,
  "mta04"       DOUBLE   NOT NULL DEFAULT 0,
  "mta05"       DOUBLE   NOT NULL DEFAULT 0,
  "mta06"       DOUBLE   NOT NULL DEFAULT 0,
  "mta07"       DOUBLE   NOT NULL DEFAULT 0,
  "mta08"       DOUBLE   NOT NULL DEFAULT 0,
  "mta09"       DOUBLE   NOT NULL DEFAULT 0,
  "mta10"       DOUBLE   NOT NULL DEFAULT 0,
  "mta11"       DOUBLE   NOT NULL DEFAULT 0,
  "mta12"       DOUBLE   NOT NULL DEFAULT 0,
  "mta13"       DOUBLE   NOT NULL DEFAULT 0,
  "mta14"       DOUBLE   NOT NULL DEFAULT 0,
  "tadeduction" DOUBLE   NOT NULL DEFAULT 0,
  "MTD"         DOUBLE   NOT NULL DEFAULT 0,
  "MBD"         DOUBLE   NOT NULL DEFAULT 0,
  "mpd"         DOUBLE   NOT NULL DEFAULT 0,
  "totcost"     DOUBLE   NOT NULL DEFAULT 0,
  "pu"          DOUBLE   NOT NULL DEFAULT 0,
  "cv"          DOUBLE   NOT NULL DEFAULT 0,
  "fce"         DOUBLE   NOT NULL DEFAULT 0,
  "fc"          DOUBLE   NOT NULL DEFAULT 0,
  "mc"          DOUBLE   NOT NULL DEFAULT 0,
  "tatc"        DOUBLE   NOT NULL DEFAULT 0,
  "FCDet"       TEXT     NOT NULL DEFAULT '',
  "MCDet"       TEXT     NOT NULL DEFAULT '',
  "DateStart"   TEXT     NOT NULL DEFAULT '',
  "DateEnd"     TEXT     NOT NULL DEFAULT ''
);
INSERT INTO "traveldeduction" DEFAULT VALUES;

-- Full use of company cars: one row per vehicle.
CREATE TABLE "compcar" (
  "CarNum"             SMALLINT NOT NULL DEFAULT 0,
  "CMVMaxNum"          SMALLINT NOT NULL DEFAULT 0,
  "CCRegNumber"        TEXT     NOT NULL DEFAULT '',
  "CCMake"             TEXT     NOT NULL DEFAULT '',
  "CCModel"            TEXT     NOT NULL DEFAULT '',
  "CCPrice"            DOUBLE   NOT NULL DEFAULT 0,
  "MaintIncluded"      TEXT     NOT NULL DEFAULT '',
  "CCMonths"           DOUBLE   NOT NULL DEFAULT 0,
  "EndMileage"         DOUBLE   NOT NULL DEFAULT 0,
  "StartMileage"       DOUBLE   NOT NULL DEFAULT 0,
  "TotalDistance"      DOUBLE   NOT NULL DEFAULT 0,
  "BusDistance"        DOUBLE   NOT NULL DEFAULT 0,
  "ActualExpEmployee"  DOUBLE   NOT NULL DEFAULT 0,
  "SARSTable"          TEXT     NOT NULL DEFAULT '',
  "FuelReimbEmployer"  DOUBLE   NOT NULL DEFAULT 0,
  "EmpPaidInsurance"   DOUBLE   NOT NULL DEFAULT 0,
  "EmpPaidLicence"     DOUBLE   NOT NULL DEFAULT 0,
  "EmpPaidMaintenance" DOUBLE   NOT NULL DEFAULT 0,
  "Actual3802"         DOUBLE   NOT NULL DEFAULT 0,
  "FB3802ThisCar"      DOUBLE   NOT NULL DEFAULT 0,
  "AdjustTaxableInc"   DOUBLE   NOT NULL DEFAULT 0,
  "SARSDeductionClaim" DOUBLE   NOT NULL DEFAULT 0,
  "TrueInclusion"      DOUBLE   NOT NULL DEFAULT 0,
  "PrivateDistance"    DOUBLE   NOT NULL DEFAULT 0,
  "FuelComponent"      DOUBLE   NOT NULL DEFAULT 0,
  "Arr_FuelClaim"      DOUBLE   NOT NULL DEFAULT 0,
  "TotAddExpense"      DOUBLE   NOT NULL DEFAULT 0,
  "FuelExp"            DOUBLE   NOT NULL DEFAULT 0,
  "BussMilage"         TEXT     NOT NULL DEFAULT '',
  "YearOfManfact"      TEXT     NOT NULL DEFAULT '',
  "CCStartDate"        TEXT     NOT NULL DEFAULT '',
  "CCEndDate"          TEXT     NOT NULL DEFAULT '',
  "IRP53802"           DOUBLE   NOT NULL DEFAULT 0,
  "MonFB80"            DOUBLE   NOT NULL DEFAULT 0,
  "MonFB20"            DOUBLE   NOT NULL DEFAULT 0,
  "FortFB80"           DOUBLE   NOT NULL DEFAULT 0,
  "FortFB20"           DOUBLE   NOT NULL DEFAULT 0,
  "WeekFB80"           DOUBLE   NOT NULL DEFAULT 0,
  "WeekFB20"           DOUBLE   NOT NULL DEFAULT 0,
  "TotAdjustTaxableInc"     DOUBLE NOT NULL DEFAULT 0,
  "TotAdjustTaxableIncSARS" DOUBLE NOT NULL DEFAULT 0
);

-- Loan calculator: the loan and its finance charges.
CREATE TABLE "Loans" (
  "Heading"   TEXT     NOT NULL DEFAULT '',
  "Num1"      DOUBLE   NOT NULL DEFAULT 0,
  "Num2"      DOUBLE   NOT NULL DEFAULT 0,
  "Num3"      DOUBLE   NOT NULL DEFAULT 0,
  "Num4"      DOUBLE   NOT NULL DEFAULT 0,
  "FinText1"  TEXT     NOT NULL DEFAULT '',
  "FinText1A" TEXT     NOT NULL DEFAULT '',
  "FinNum1"   DOUBLE   NOT NULL DEFAULT 0,
  "FinText2"  TEXT     NOT NULL DEFAULT '',
  "FinNum2"   DOUBLE   NOT NULL DEFAULT 0,
  "YearMon"   TEXT     NOT NULL DEFAULT ''
);
INSERT INTO "Loans" DEFAULT VALUES;

-- Loan amortisation schedule: one row per month or year.
CREATE TABLE "Amort" (
  "Year"     INTEGER  NOT NULL DEFAULT 0,
  "Capital"  DOUBLE   NOT NULL DEFAULT 0,
  "Interest" DOUBLE   NOT NULL DEFAULT 0,
  "Required" DOUBLE   NOT NULL DEFAULT 0
);

-- Loan buster: the loan with and without extra repayments.
CREATE TABLE "BondBust" (
  "PAmt"        DOUBLE   NOT NULL DEFAULT 0,
  "Period"      SMALLINT NOT NULL DEFAULT 0,
  "IntRate"     FLOAT    NOT NULL DEFAULT 0,
  "MonRep"      DOUBLE   NOT NULL DEFAULT 0,
  "TotIntPaid"  DOUBLE   NOT NULL DEFAULT 0,
  "TotRep"      DOUBLE   NOT NULL DEFAULT 0,
  "XtraPay"     DOUBLE   NOT NULL DEFAULT 0,
  "Xper"        SMALLINT NOT NULL DEFAULT 0,
  "XMonRep"     DOUBLE   NOT NULL DEFAULT 0,
  "XTotIntPaid" DOUBLE   NOT NULL DEFAULT 0,
  "XTotRep"     DOUBLE   NOT NULL DEFAULT 0,
  "XTotSavings" DOUBLE   NOT NULL DEFAULT 0
);
INSERT INTO "BondBust" DEFAULT VALUES;

-- Loan comparison over six repayment periods.
CREATE TABLE "BondComp" (
  "PAmt"     DOUBLE   NOT NULL DEFAULT 0,
  "IntRate"  DOUBLE   NOT NULL DEFAULT 0,
  "MonRep1"  DOUBLE   NOT NULL DEFAULT 0,
  "IntPaid1" DOUBLE   NOT NULL DEFAULT 0,
  "Total1"   DOUBLE   NOT NULL DEFAULT 0,
  "MonRep2"  DOUBLE   NOT NULL DEFAULT 0,
  "IntPaid2" DOUBLE   NOT NULL DEFAULT 0,
  "Total2"   DOUBLE   NOT NULL DEFAULT 0,
  "MonRep3"  DOUBLE   NOT NULL DEFAULT 0,
  "IntPaid3" DOUBLE   NOT NULL DEFAULT 0,
  "Total3"   DOUBLE   NOT NULL DEFAULT 0,
  "MonRep4"  DOUBLE   NOT NULL DEFAULT 0,
  "IntPaid4" DOUBLE   NOT NULL DEFAULT 0,
  "Total4"   DOUBLE   NOT NULL DEFAULT 0,
  "MonRep5"  DOUBLE   NOT NULL DEFAULT 0,
  "IntPaid5" DOUBLE   NOT NULL DEFAULT 0,
  "Total5"   DOUBLE   NOT NULL DEFAULT 0,
  "MonRep6"  DOUBLE   NOT NULL DEFAULT 0,
  "IntPaid6" DOUBLE   NOT NULL DEFAULT 0,
  "Total6"   DOUBLE   NOT NULL DEFAULT 0
);
INSERT INTO "BondComp" DEFAULT VALUES;

-- Inflation projection.
CREATE TABLE "Inflation" (
  "PresCost"  DOUBLE   NOT NULL DEFAULT 0,
  "Period"    DOUBLE   NOT NULL DEFAULT 0,
  "InflaRate" DOUBLE   NOT NULL DEFAULT 0,
  "Ans1"      DOUBLE   NOT NULL DEFAULT 0,
  "ANS2"      DOUBLE   NOT NULL DEFAULT 0
);
INSERT INTO "Inflation" DEFAULT VALUES;

-- Interest on a daily balance between two dates.
CREATE TABLE "DailyBal" (
  "CapAmount" FLOAT    NOT NULL DEFAULT 0,
  "StartDate" INTEGER  NOT NULL DEFAULT 0,
  "EndDate"   INTEGER  NOT NULL DEFAULT 0,
  "IntRate"   FLOAT    NOT NULL DEFAULT 0,
  "ANS1"      FLOAT    NOT NULL DEFAULT 0,
  "ANS2"      INTEGER  NOT NULL DEFAULT 0
);
INSERT INTO "DailyBal" DEFAULT VALUES;

-- The working of a tax calculation: the calculator it comes from, and one row
-- per line of the account, written as the window shows it.
CREATE TABLE "Working" (
  "Calculator" TEXT NOT NULL DEFAULT ''
);
INSERT INTO "Working" DEFAULT VALUES;
CREATE TABLE "WorkingLines" (
  "Indent"   TEXT    NOT NULL DEFAULT '',
  "Weight"   TEXT    NOT NULL DEFAULT 'normal',
  "Shade"    TEXT    NOT NULL DEFAULT '#ffffff',
  "Text"     TEXT    NOT NULL DEFAULT '',
  "Currency" TEXT    NOT NULL DEFAULT '',
  "Amount"   TEXT    NOT NULL DEFAULT ''
);
