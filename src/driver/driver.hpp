// The run from the command line to the exit status.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace pipsweep {

inline constexpr char kProgramTitle[] = "Pipsweep V1.2";

// Path buffers: at most 259 characters and the terminating zero.
inline constexpr std::size_t kPathBufferSize = 260;
using PathBuffer = std::array<char, kPathBufferSize>;

extern PathBuffer input_path;
extern PathBuffer start_directory;
extern PathBuffer output_file_name;

// Reads the options, prints the help or the instructions, then runs the
// rest. Returns the exit status: 0, or -1 on every failure.
int pipsweep_main(int argc, char** argv);

// Everything after the start-up text: start directory, file choice, format
// dispatch and the end of the run. operand is the file named on the command
// line, or null to ask the user. Returns 0 or -1.
int run_input(const char* operand);

// Format of a path by its extension (case-sensitive): 1 PBN, 2 DUP, 3 DLM,
// 4 CSV, 5 BRI, 6 DGE; 0 when unsupported.
int file_kind(std::string_view path);

}  // namespace pipsweep
