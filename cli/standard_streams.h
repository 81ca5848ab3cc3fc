#pragma once

namespace cli {

// Gives each closed standard stream (0, 1, 2) a stand-in that refuses every
// use: /dev/null opened the other way round. No file this program opens can
// then take a standard stream's number and receive the results, and a write
// to a closed standard output fails as it should.
void GuardStandardStreams();

// Flushes standard output. When a write to it failed (a full disk, a closed
// stream), says so on standard error and returns 1; else returns `status`.
int FinishStandardOutput(int status);

}  // namespace cli
