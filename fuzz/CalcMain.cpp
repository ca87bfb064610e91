// kelvara-calc's own main(), compiled under another name so that a fuzz target
// drives the very same command line in-process.
#include <CLI/CLI.hpp>
#include <iostream>

#define main KelvaraCalcMain
#include "../src/cli/main.cpp"
#undef main
