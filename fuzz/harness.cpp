// libFuzzer target for one deal-file reader, named at compile time by
// PIPSWEEP_FUZZ_READER (e.g. read_pbn_file). Besides the sanitizers it checks
// what every reader owes the user: the output file holds exactly the deal
// lines the console shows, each direction line is well formed, the count of
// deals is right, a deal that is no bridge deal (a card without a hand, or a
// hand without 13 cards) is the last one, followed by the warning, and a
// reader that stops on bad data says so on the console and to the driver.
#include "readers/readers.hpp"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#ifndef PIPSWEEP_FUZZ_READER
#error "PIPSWEEP_FUZZ_READER must name the reader to fuzz"
#endif

namespace {

constexpr std::string_view kWarning = "Not a proper bridge file??\n";
constexpr std::string_view kSymbols = "TRDL?";
constexpr std::size_t kLineLength = 72;

// The console: fd 1 points at this memory file for the whole run.
int console_fd = -1;

[[noreturn]] void broken(const char* what, std::string_view console, std::string_view file) {
  std::fprintf(stderr, "\nBROKEN INVARIANT: %s\n--- console (%zu bytes) ---\n%.*s\n"
               "--- output file (%zu bytes) ---\n%.*s\n--- end ---\n",
               what, console.size(), static_cast<int>(console.size()), console.data(),
               file.size(), static_cast<int>(file.size()), file.data());
  std::fflush(stderr);
  __builtin_trap();
}

// 72 characters: a blank before ranks 0, 3, 6, 9 and 12 of each suit, a
// direction symbol everywhere else; then the line end.
bool is_direction_line(std::string_view text) {
  if (text.size() != kLineLength + 1 || text.back() != '\n') return false;
  std::size_t n = 0;
  for (int card = 0; card < 52; ++card) {
    if (card % 13 % 3 == 0 && text[n++] != ' ') return false;
    if (kSymbols.find(text[n++]) == std::string_view::npos) return false;
  }
  return true;
}

// "Board %d\n" with a number other than 0.
bool is_board_line(std::string_view text) {
  constexpr std::string_view kBoard = "Board ";
  if (!text.starts_with(kBoard) || text.size() < kBoard.size() + 2 || text.back() != '\n') {
    return false;
  }
  std::string_view number = text.substr(kBoard.size(), text.size() - kBoard.size() - 1);
  if (number.front() == '-') number.remove_prefix(1);
  if (number.empty() || number.size() > 10 || number.front() == '0') return false;
  for (const char c : number) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// The deal lines of the console, in order. Diagnostics may lack a line end,
// so a board line can start mid-line ("error!Board 2"); no diagnostic holds
// "Board " followed by a digit or a sign, nor a run shaped like a direction
// line, so every match is a line the writer printed.
std::vector<std::string_view> console_deal_lines(std::string_view console,
                                                 std::vector<std::size_t>& ends) {
  std::vector<std::string_view> lines;
  std::size_t i = 0;
  while (i < console.size()) {
    const std::size_t eol = console.find('\n', i);
    if (eol == std::string_view::npos) break;
    const std::string_view line = console.substr(i, eol + 1 - i);
    std::size_t board = line.find("Board ");
    while (board != std::string_view::npos && !is_board_line(line.substr(board))) {
      board = line.find("Board ", board + 1);
    }
    if (board != std::string_view::npos) {
      lines.push_back(line.substr(board));
      ends.push_back(eol + 1);
    } else if (line.size() >= kLineLength + 1 &&
               is_direction_line(line.substr(line.size() - kLineLength - 1))) {
      lines.push_back(line.substr(line.size() - kLineLength - 1));
      ends.push_back(eol + 1);
    }
    i = eol + 1;
  }
  return lines;
}

std::string take_console() {
  std::fflush(stdout);
  std::string text;
  const off_t size = ::lseek(console_fd, 0, SEEK_END);
  text.resize(static_cast<std::size_t>(size));
  if (size > 0 && ::pread(console_fd, text.data(), text.size(), 0) != size) {
    std::fputs("console read failed\n", stderr);
    std::abort();
  }
  if (::ftruncate(console_fd, 0) != 0 || ::lseek(console_fd, 0, SEEK_SET) != 0) {
    std::fputs("console reset failed\n", stderr);
    std::abort();
  }
  return text;
}

// Every card placed, and 13 of them to each hand.
bool is_bridge_deal(std::string_view direction_line) {
  for (const char symbol : kSymbols.substr(0, 4)) {
    if (std::count(direction_line.begin(), direction_line.end(), symbol) != 13) return false;
  }
  return true;
}

// What a reader prints when it stops on bad data.
constexpr std::string_view kDiagnostics[] = {"error!", kWarning, "first direction not recognized",
                                             "String [Document] not found!"};

void check_run(std::string_view console, std::string_view file, std::int32_t deals_written,
               pipsweep::ReadResult result) {
  // The file: deals only, each an optional board line and a direction line.
  std::vector<std::string_view> file_lines;
  std::int32_t directions = 0;
  bool after_board = false;
  for (std::size_t i = 0; i < file.size();) {
    const std::size_t eol = file.find('\n', i);
    if (eol == std::string_view::npos) broken("output file ends inside a line", console, file);
    const std::string_view line = file.substr(i, eol + 1 - i);
    if (is_board_line(line)) {
      if (after_board) broken("two board lines in a row", console, file);
      after_board = true;
    } else if (is_direction_line(line)) {
      after_board = false;
      ++directions;
    } else {
      broken("output file line is neither a board line nor a direction line", console, file);
    }
    file_lines.push_back(line);
    i = eol + 1;
  }
  if (after_board) broken("board line without its direction line", console, file);
  if (directions != deals_written) {
    broken("direction lines differ from deals_written", console, file);
  }

  std::vector<std::size_t> ends;
  const std::vector<std::string_view> console_lines = console_deal_lines(console, ends);
  if (console_lines != file_lines) broken("console deal lines differ from the file", console, file);

  // A refused deal: the warning right behind its line, and nothing after.
  std::size_t warnings = 0;
  for (std::size_t at = console.find(kWarning); at != std::string_view::npos;
       at = console.find(kWarning, at + 1)) {
    ++warnings;
  }
  std::size_t refused = 0;
  for (std::size_t k = 0; k < console_lines.size(); ++k) {
    if (!console_lines[k].starts_with(' ') || is_bridge_deal(console_lines[k])) continue;
    ++refused;
    if (console.substr(ends[k]) != kWarning) {
      broken("a refused deal is not the last output, with the warning", console, file);
    }
  }
  if (warnings != refused) broken("warning without a refused deal", console, file);

  // A stop on bad data is never taken for the end of the file, and never
  // happens without a word on the console.
  const bool stopped = result == pipsweep::ReadResult::stopped;
  if (refused > 0 && !stopped) broken("refused deal, yet the reader reports success", console, file);
  if (stopped && std::none_of(std::begin(kDiagnostics), std::end(kDiagnostics),
                                        [&](std::string_view d) { return console.find(d) != std::string_view::npos; })) {
    broken("the reader stopped on bad data without saying why", console, file);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The readers and the writer print to standard output; keep that in memory.
  std::fflush(stdout);
  console_fd = ::memfd_create("pipsweep-console", 0);
  if (console_fd < 0 || ::dup2(console_fd, STDOUT_FILENO) < 0) {
    std::perror("console memfd");
    std::abort();
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pipsweep;

  // fmemopen refuses an empty buffer on some C libraries; an empty file is
  // what /dev/null reads as.
  std::vector<char> bytes(data, data + size);
  std::FILE* input = size == 0 ? std::fopen("/dev/null", "rb")
                               : fmemopen(bytes.data(), bytes.size(), "rb");
  char* out_text = nullptr;
  std::size_t out_size = 0;
  std::FILE* output = open_memstream(&out_text, &out_size);
  if (input == nullptr || output == nullptr) {
    std::perror("harness streams");
    std::abort();
  }
  // A fresh run: its own text input and writer.
  TextInput text_input;
  text_input.attach(input);
  // Most inputs are read as a file is, in one block; the others in small
  // blocks, so that block edges fall anywhere in a line.
  text_input.set_block_size(size % 3 == 0 ? std::size_t{1} << 16 : 1 + size / 3 % 128);
  DealWriter writer;
  writer.output_stream = output;

  take_console();
  const ReadResult result = PIPSWEEP_FUZZ_READER(text_input, writer);
  const std::string console = take_console();
  std::fclose(output);

  check_run(console, std::string_view(out_text, out_size), writer.deals_written, result);
  std::free(out_text);
  return 0;
}
