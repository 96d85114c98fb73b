#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

#include "core/SimTime.h"

class Simulation;

// Sets up the process once for fuzzing: messages are swallowed (a reader's error box must
// not stop the run or flood the output) and the per-user folder is a scratch folder.
void PrepareFuzzing();

// Writes the input to this process's scratch file and returns its path, for readers that
// take a file name.
QString WriteFuzzInput(const std::uint8_t* data, std::size_t size, const char* name = "input");

// The scratch folder (ends without a separator).
QString FuzzScratchDirectory();

// The fixed wall clock of every simulation the targets build, so that each run is
// independent of when it happens.
SimTime FuzzWallClock();

// A solar system built once per process on default settings and the fixed wall clock.
Simulation& FuzzSolarSystem();

// Number of message boxes the readers asked for since the last call.
int TakeFuzzMessageCount();

// A broken invariant: prints what and where, then aborts so libFuzzer keeps the input.
[[noreturn]] void FuzzFailure(const char* expression, const char* file, int line);

#define FUZZ_CHECK(expression) \
    ((expression) ? (void)0 : FuzzFailure(#expression, __FILE__, __LINE__))
