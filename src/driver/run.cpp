#include "deal/deal.hpp"
#include "driver/driver.hpp"
#include "platform/desktop.hpp"
#include "platform/directory.hpp"
#include "readers/readers.hpp"
#include "readers/text.hpp"

#include <cstdio>
#include <cstring>
#include <string>

namespace pipsweep {

PathBuffer start_directory{};

namespace {

using Reader = int (*)();

struct FormatEntry {
  std::string_view extension;
  Reader reader;
};

// Tested in this order; the position plus one is the file kind.
constexpr std::array<FormatEntry, 6> kFormats{{
    {".pbn", read_pbn_file},
    {".dup", read_dup_file},
    {".dlm", read_dlm_file},
    {".csv", read_csv_file},
    {".bri", read_bri_file},
    {".dge", read_dge_file},
}};

constexpr std::size_t kOutputBufferSize = 1 << 16;
constexpr std::size_t kMaxPathLength = kPathBufferSize - 1;
// A chosen name is read whole up to this length, so that a long one can be
// shown and refused rather than cut to a name of some other file.
constexpr std::size_t kMaxTypedName = 4096;

int failure_end() {
  platform::show_message_box(kProgramTitle, "error, see console window", false);
  return -1;
}

int success_end() {
  std::array<char, 1024> text{};
  std::snprintf(text.data(), text.size(), "output available in file %s\n\nIn directory: %s",
                output_file_name.data(), start_directory.data());
  platform::show_message_box(kProgramTitle, text.data(), true);
  return 0;
}

// Refuses a name that does not fit rather than cutting it.
bool store_input_path(std::string_view name) {
  if (name.size() > kMaxPathLength) {
    std::printf("%.*s\nFile name too long\n", static_cast<int>(name.size()), name.data());
    return false;
  }
  name.copy(input_path.data(), name.size());
  input_path[name.size()] = '\0';
  return true;
}

bool choose_input_path() {
  std::puts("\nSelect a bridge file(*.pbn,*.dup,*.dlm,*.csv,*.bri,*.dge)");
  std::fflush(stdout);
  input_path[0] = '\0';
  const std::string chosen = platform::choose_file(start_directory.data(), kMaxTypedName);
  platform::set_current_directory(start_directory.data());
  if (!store_input_path(chosen)) return false;
  if (input_path[0] == '\0') {
    std::printf("No file name given");
    return false;
  }
  return true;
}

// True when everything written to the output file reached it.
bool close_output() {
  const bool write_error = std::ferror(run_state.output_stream) != 0;
  const bool close_error = std::fclose(run_state.output_stream) != 0;
  run_state.output_stream = nullptr;
  return !write_error && !close_error;
}

}  // namespace

int file_kind(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos) return 0;
  const std::string_view extension = path.substr(dot);
  for (std::size_t i = 0; i < kFormats.size(); ++i) {
    if (extension == kFormats[i].extension) return static_cast<int>(i) + 1;
  }
  return 0;
}

int run_input(const char* operand) {
  switch (platform::current_directory(start_directory.data(), start_directory.size())) {
    case platform::DirectoryResult::ok:
      break;
    case platform::DirectoryResult::too_long:
      std::puts("Current directory name too long");
      return failure_end();
    case platform::DirectoryResult::failed:
      std::puts("Current directory not available");
      return failure_end();
  }

  // An empty operand names no file: the user is asked, as without one.
  if (operand != nullptr && operand[0] != '\0') {
    if (!store_input_path(operand)) return failure_end();
  } else if (!choose_input_path()) {
    return failure_end();
  }

  const int kind = file_kind(input_path.data());
  if (kind == 0) {
    std::printf("%s\nFile type not supported\n", input_path.data());
    return failure_end();
  }
  if (!input_stream.open(input_path.data())) {
    std::printf("can't open file %s\n", input_path.data());
    return failure_end();
  }
  run_state.output_stream = std::fopen(output_file_name.data(), "w");
  if (run_state.output_stream == nullptr) {
    std::printf("failed to open file %s for output\n", output_file_name.data());
    return failure_end();
  }
  // Large files of deals: write the output file in big blocks.
  std::setvbuf(run_state.output_stream, nullptr, _IOFBF, kOutputBufferSize);

  std::printf("Bridge file: %s\n", input_path.data());
  std::fprintf(run_state.output_stream, "%s\nBridge file: %s\n", kProgramTitle, input_path.data());

  const int reader_result = kFormats[static_cast<std::size_t>(kind - 1)].reader();

  // A file that was only partly read, or output that never reached the
  // disk, is no success, whatever was written before. The deals written
  // stay in the file; the reader has said on the console where it stopped.
  const bool read_ok = !input_stream.failed();
  if (!read_ok) std::printf("failed to read file %s\n", input_path.data());
  const bool write_ok = close_output();
  if (!write_ok) std::printf("failed to write file %s\n", output_file_name.data());
  if (!read_ok || !write_ok) return failure_end();
  if (run_state.deals_written == 0) {
    std::puts("no deals found.");
    return failure_end();
  }
  if (reader_result < 0) return failure_end();
  return success_end();
}

}  // namespace pipsweep
