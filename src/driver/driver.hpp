// The run from the command line to the exit status.
#pragma once

#include "deal/writer.hpp"

namespace pipsweep {

inline constexpr char kProgramTitle[] = "Pipsweep V1.2";

// Reads the options, prints the help or the instructions, then runs the
// rest, writing into writer: the run's sink, which main makes for the
// build (the console, or the console and the page). Returns the exit
// status: 0, or -1 on every failure.
int pipsweep_main(int argc, char** argv, DealWriter& writer);

// Everything after the start-up text: start directory, file choice, format
// dispatch and the end of the run, writing into writer. operand
// is the file named on the command line, or null to ask the user. Returns
// 0 or -1.
int run_input(const char* operand, DealWriter& writer);

}  // namespace pipsweep
