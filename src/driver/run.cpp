#include "driver/driver.hpp"
#include "platform/desktop.hpp"
#include "platform/directory.hpp"
#include "readers/readers.hpp"

#include <array>
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace pipsweep {

namespace {

// Always in the start directory: the name carries no directory.
constexpr char kOutputFileName[] = "_pipsweep.txt";

// A format the tool reads: the extension that names it and its reader.
struct FileKind {
  std::string_view extension;
  ReadResult (*reader)(TextInput& input, DealSink& sink);
};

// Tested in this order.
constexpr std::array<FileKind, 6> kFileKinds{{
    {".pbn", read_pbn_file},
    {".dup", read_dup_file},
    {".dlm", read_dlm_file},
    {".csv", read_csv_file},
    {".bri", read_bri_file},
    {".dge", read_dge_file},
}};

// Path buffers: at most 259 characters and the terminating zero.
constexpr std::size_t kPathBufferSize = 260;
using PathBuffer = std::array<char, kPathBufferSize>;
constexpr std::size_t kMaxPathLength = kPathBufferSize - 1;

constexpr std::size_t kOutputBufferSize = 1 << 16;
// A chosen name is read whole up to this length, so that a long one can be
// shown and refused rather than cut to a name of some other file.
constexpr std::size_t kMaxTypedName = 4096;

// The format of a path by its extension (case-sensitive); null when the
// tool reads no such files.
const FileKind* file_kind(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos) return nullptr;
  for (const FileKind& kind : kFileKinds) {
    if (path.substr(dot) == kind.extension) return &kind;
  }
  return nullptr;
}

int failure_end() {
  platform::show_message_box(kProgramTitle, "error, see console window", false);
  return -1;
}

int success_end(const char* start_directory) {
  std::array<char, 1024> text{};
  std::snprintf(text.data(), text.size(), "output available in file %s\n\nIn directory: %s", kOutputFileName,
                start_directory);
  platform::show_message_box(kProgramTitle, text.data(), true);
  return 0;
}

// Refuses a name that does not fit rather than cutting it.
bool store_input_path(std::string_view name, PathBuffer& input_path, DealSink& sink) {
  if (name.size() > kMaxPathLength) {
    sink.put_formatted(TextKind::diagnostic, "%.*s\nFile name too long\n", static_cast<int>(name.size()),
                       name.data());
    return false;
  }
  name.copy(input_path.data(), name.size());
  input_path[name.size()] = '\0';
  return true;
}

bool choose_input_path(const char* start_directory, PathBuffer& input_path, DealSink& sink) {
  std::puts("\nSelect a bridge file(*.pbn,*.dup,*.dlm,*.csv,*.bri,*.dge)");
  std::fflush(stdout);
  input_path[0] = '\0';
  const std::string chosen = platform::choose_file(start_directory, kMaxTypedName);
  platform::set_current_directory(start_directory);
  if (!store_input_path(chosen, input_path, sink)) return false;
  if (input_path[0] == '\0') {
    sink.put_text(TextKind::diagnostic, "No file name given");
    return false;
  }
  return true;
}

// True when everything written to the output file reached it.
bool close_output(std::FILE* output_stream) {
  const bool write_error = std::ferror(output_stream) != 0;
  const bool close_error = std::fclose(output_stream) != 0;
  return !write_error && !close_error;
}

}  // namespace

int run_input(const char* operand, DealWriter& writer) {
  PathBuffer start_directory{};
  switch (platform::current_directory(start_directory.data(), start_directory.size())) {
    case platform::DirectoryResult::ok:
      break;
    case platform::DirectoryResult::too_long:
      writer.put_text(TextKind::diagnostic, "Current directory name too long\n");
      return failure_end();
    case platform::DirectoryResult::failed:
      writer.put_text(TextKind::diagnostic, "Current directory not available\n");
      return failure_end();
  }

  // An empty operand names no file: the user is asked, as without one.
  PathBuffer input_path{};
  if (operand != nullptr && operand[0] != '\0') {
    if (!store_input_path(operand, input_path, writer)) return failure_end();
  } else if (!choose_input_path(start_directory.data(), input_path, writer)) {
    return failure_end();
  }

  const FileKind* kind = file_kind(input_path.data());
  if (kind == nullptr) {
    writer.put_formatted(TextKind::diagnostic, "%s\nFile type not supported\n", input_path.data());
    return failure_end();
  }
  TextInput input;
  if (!input.open(input_path.data())) {
    writer.put_formatted(TextKind::diagnostic, "can't open file %s\n", input_path.data());
    return failure_end();
  }
  writer.output_stream = std::fopen(kOutputFileName, "w");
  if (writer.output_stream == nullptr) {
    writer.put_formatted(TextKind::diagnostic, "failed to open file %s for output\n", kOutputFileName);
    return failure_end();
  }
  // Large files of deals: write the output file in big blocks.
  std::setvbuf(writer.output_stream, nullptr, _IOFBF, kOutputBufferSize);

  std::printf("Bridge file: %s\n", input_path.data());
  std::fprintf(writer.output_stream, "%s\nBridge file: %s\n", kProgramTitle, input_path.data());

  const ReadResult result = kind->reader(input, writer);

  // A file that was only partly read, or output that never reached the
  // disk, is no success, whatever was written before. The deals written
  // stay in the file; the reader has said on the console where it stopped.
  const bool read_ok = !input.failed();
  if (!read_ok) writer.put_formatted(TextKind::diagnostic, "failed to read file %s\n", input_path.data());
  const bool write_ok = close_output(writer.output_stream);
  writer.output_stream = nullptr;
  if (!write_ok) writer.put_formatted(TextKind::diagnostic, "failed to write file %s\n", kOutputFileName);
  if (!read_ok || !write_ok) return failure_end();
  if (writer.deals_written == 0) {
    writer.put_text(TextKind::diagnostic, "no deals found.\n");
    return failure_end();
  }
  if (result == ReadResult::stopped) return failure_end();
  return success_end(start_directory.data());
}

}  // namespace pipsweep
