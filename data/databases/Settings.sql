-- Settings.db: the preferences that the PAYE and salary package calculators
-- share, one record of table "Setup" as delivered with the program.
-- Percentages are numbers of percent (1 means 1%); the two 80/20 rates are
-- fractions. The program builds Settings.db from this file and rebuilds it
-- from the same file when the database is missing or damaged; the UIF, skills
-- levy and inclusion figures of the record are then set from the year file of
-- the tax year in use (data/tax-years).

CREATE TABLE "Setup" (
  "PensionCont"       DOUBLE  NOT NULL DEFAULT 0,
  "EmployerPenCont"   DOUBLE  NOT NULL DEFAULT 0,
  "EmployeeUIF"       DOUBLE  NOT NULL DEFAULT 0,
  "EmployerUIF"       DOUBLE  NOT NULL DEFAULT 0,
  "SkillLevy"         DOUBLE  NOT NULL DEFAULT 0,
  "ProvCont"          DOUBLE  NOT NULL DEFAULT 0,
  "EmployerProvCont"  DOUBLE  NOT NULL DEFAULT 0,
  "UIFLimit"          DOUBLE  NOT NULL DEFAULT 0,
  "TAIncRate8020"     DOUBLE  NOT NULL DEFAULT 0,
  "CompCarFBRate8020" DOUBLE  NOT NULL DEFAULT 0,
  "CompCarMPYesNo"    BOOLEAN NOT NULL DEFAULT 0
);

INSERT INTO "Setup" VALUES (0, 0, 1, 1, 1, 0, 0, 17712, 0.8, 0.8, 0);
