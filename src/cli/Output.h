#pragma once

namespace kelvara::cli {

// Makes sure everything printed on standard output reached it: flushes it
// and closes a copy of its descriptor. Returns status when it did; otherwise says so on standard error
// and returns 2 (a full disk, a closed pipe).
int FinishOutput(int status);

// A broken pipe is reported as a failed write rather than ending the program
// without a word.
void ReportBrokenPipes();

}  // namespace kelvara::cli
