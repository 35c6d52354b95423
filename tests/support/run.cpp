#include "support/run.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace pipsweep::testing {

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::string pattern = (fs::temp_directory_path() / "pipsweep-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) std::abort();
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

fs::path TempDir::write(const std::string& name, std::string_view bytes) const {
  const fs::path file = path_ / name;
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return file;
}

std::string read_file(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

RunResult run_pipsweep(const std::vector<std::string>& args, const fs::path& cwd,
                       const std::optional<std::string>& input, const std::vector<std::string>& env,
                       const std::string& program) {
  // Captures go beside cwd, not in it, so a test sees only what the tool made.
  TempDir capture;
  const fs::path out_path = capture.path() / "stdout";
  const fs::path err_path = capture.path() / "stderr";
  const fs::path in_path = input ? capture.write("stdin", *input) : fs::path("/dev/null");

  std::vector<std::string> arg_storage{program};
  arg_storage.insert(arg_storage.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : arg_storage) argv.push_back(a.data());
  argv.push_back(nullptr);
  // No desktop: the chooser reads standard input and no message box waits.
  std::vector<std::string> env_storage = env;
  const auto overridden = [&env_storage](std::string_view entry) {
    for (const std::string& e : env_storage) {
      if (entry.substr(0, entry.find('=') + 1) == e.substr(0, e.find('=') + 1)) return true;
    }
    return false;
  };
  for (char** e = environ; *e != nullptr; ++e) {
    if (std::strncmp(*e, "DISPLAY=", 8) != 0 && std::strncmp(*e, "WAYLAND_DISPLAY=", 16) != 0 &&
        !overridden(*e)) {
      env_storage.emplace_back(*e);
    }
  }
  std::vector<char*> envp;
  for (std::string& e : env_storage) envp.push_back(e.data());
  envp.push_back(nullptr);

  const pid_t pid = ::fork();
  if (pid == 0) {
    const int in = ::open(in_path.c_str(), O_RDONLY);
    const int out = ::open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = ::open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0 || err < 0 || ::chdir(cwd.c_str()) != 0) ::_exit(127);
    ::dup2(in, STDIN_FILENO);
    ::dup2(out, STDOUT_FILENO);
    ::dup2(err, STDERR_FILENO);
    ::execve(argv[0], argv.data(), envp.data());
    ::_exit(127);
  }
  int wait_status = 0;
  ::waitpid(pid, &wait_status, 0);

  RunResult result;
  result.status = WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -1;
  result.out = read_file(out_path);
  result.err = read_file(err_path);
  const fs::path output_file = cwd / "_pipsweep.txt";
  result.has_output_file = fs::exists(output_file);
  // Only a regular file holds output worth reading (tests point it at devices too).
  if (fs::is_regular_file(output_file)) result.output_file = read_file(output_file);
  return result;
}

std::string startup_text(std::string_view symbols) {
  std::string text =
      "Pipsweep V1.2\n"
      "This program reads a bridge file and gives directives for dealing sorted decks\n"
      "Cards should be sorted in the order spades, hearts, diamonds, clubs,\n"
      "with the ace of spades on top and the 2 of clubs on the bottom.\n"
      "Take off the cards in sequential order\n"
      "The output of this program tells you where to put each card:\n";
  const std::array<const char*, 4> names{" = North, ", " = East, ", " = South, ", " = West\n"};
  for (std::size_t i = 0; i < 4; ++i) {
    text += i < symbols.size() ? symbols[i] : '\0';
    text += names[i];
  }
  return text;
}

std::string file_header(std::string_view input_path) {
  return kProgramTitle + "\nBridge file: " + std::string(input_path) + "\n";
}

std::string end_message(std::string_view text) { return "\n[" + kProgramTitle + "] " + std::string(text) + "\n"; }

ReaderRun run_reader(const std::string& file_name, std::string_view bytes,
                     const std::vector<std::string>& options,
                     const std::optional<std::string>& input) {
  TempDir dir;
  dir.write(file_name, bytes);
  std::vector<std::string> args = options;
  args.push_back(file_name);
  const RunResult run = run_pipsweep(args, dir.path(), input);

  ReaderRun result;
  result.status = run.status;
  const std::string console_start = startup_text() + "Bridge file: " + file_name + "\n";
  EXPECT_EQ(run.out.substr(0, console_start.size()), console_start);
  if (run.out.size() >= console_start.size()) result.console = run.out.substr(console_start.size());
  const std::string header = file_header(file_name);
  EXPECT_TRUE(run.has_output_file);
  EXPECT_EQ(run.output_file.substr(0, header.size()), header);
  if (run.output_file.size() >= header.size()) result.file = run.output_file.substr(header.size());
  return result;
}

void expect_reader_run(const std::string& file_name, const ReaderCase& c) {
  SCOPED_TRACE(c.name);
  const ReaderRun run = run_reader(file_name, c.input);
  EXPECT_EQ(run.console, c.console);
  EXPECT_EQ(run.file, c.file);
  EXPECT_EQ(run.status, c.status);

  TempDir dir;
  const fs::path file = dir.write(file_name, c.input);
  const Format& format = format_of(file_name);
  // Small blocks put a block edge everywhere in the file.
  for (const std::size_t block : {kInputBlock, std::size_t{1}, std::size_t{5}}) {
    SCOPED_TRACE("in process, blocks of " + std::to_string(block));
    const Recording recording = record_reader(format.reader, file, block);
    const std::vector<RecordedDeal>& deals = recording.sink.deals;
    // The driver ends a run without deals, or a stopped one, in failure.
    EXPECT_EQ(console_text(recording.sink) + (deals.empty() ? kNoDeals : ""), c.console);
    EXPECT_EQ(file_text(recording.sink), c.file);
    EXPECT_EQ(recording.result == ReadResult::stopped || deals.empty() ? kFailureStatus : 0, c.status);
    std::vector<std::string> marks;
    for (const RecordedDeal& deal : deals) marks.push_back(marks_text(deal.marks));
    if (c.marks) {
      EXPECT_EQ(marks, *c.marks);
    } else if (!format.gives_marks) {
      EXPECT_EQ(marks, std::vector<std::string>(deals.size(), "? ?"));
    }
  }
}

void expect_reader_runs(const std::string& file_name, const std::vector<ReaderCase>& cases) {
  for (const ReaderCase& c : cases) expect_reader_run(file_name, c);
}

void expect_deals_written(const std::string& file_name, std::string_view bytes,
                          const std::string& deals) {
  expect_reader_run(file_name, {file_name, std::string(bytes), deals, deals, 0});
}

std::string blank_filler(std::size_t n) {
  constexpr std::size_t kLongest = 1000;
  std::string text;
  while (text.size() < n) {
    const std::size_t length = std::min(kLongest, n - text.size());
    text += std::string(length - 1, ' ') + "\n";
  }
  return text;
}

std::span<const Format> formats() {
  static constexpr std::array<Format, 6> kFormats{{
      {".pbn", read_pbn_file, true},
      {".dup", read_dup_file, false},
      {".dlm", read_dlm_file, false},
      {".csv", read_csv_file, false},
      {".bri", read_bri_file, false},
      {".dge", read_dge_file, false},
  }};
  return kFormats;
}

const Format& format_of(std::string_view file_name) {
  for (const Format& format : formats()) {
    if (file_name.ends_with(format.extension)) return format;
  }
  ADD_FAILURE() << "no format for " << file_name;
  return formats().front();
}

Recording record_reader(ReadResult (*reader)(TextInput&, DealSink&), const fs::path& file, std::size_t block_size) {
  Recording recording;
  TextInput input;
  EXPECT_TRUE(input.open(file.c_str())) << file;
  input.set_block_size(block_size);
  recording.result = reader(input, recording.sink);
  return recording;
}

std::string console_text(const RecordingSink& sink) {
  std::string text;
  std::size_t next_text = 0;
  for (std::size_t deals = 0; deals <= sink.deals.size(); ++deals) {
    for (; next_text < sink.texts.size() && sink.texts[next_text].after_deals == deals; ++next_text) {
      text += sink.texts[next_text].text;
    }
    if (deals == sink.deals.size()) break;
    const RecordedDeal& deal = sink.deals[deals];
    text += deal_text(deal.deal, deal.board);
    if (!deal.bridge_deal) text += kNotABridgeDeal;
  }
  return text;
}

std::string file_text(const RecordingSink& sink) {
  std::string text;
  for (const RecordedDeal& deal : sink.deals) text += deal_text(deal.deal, deal.board);
  return text;
}

std::string marks_text(const BoardMarks& marks) {
  static constexpr std::array<std::string_view, 4> kVulnerabilities{"None", "NS", "EW", "All"};
  const bool dealer_given = marks.dealer >= kNorth && marks.dealer <= kWest;
  const auto vulnerability = static_cast<std::size_t>(marks.vulnerability);
  const bool vulnerability_given = marks.vulnerability != Vulnerability::not_given;
  return std::string(1, dealer_given ? "NESW"[marks.dealer] : '?') + " " +
         std::string(vulnerability_given ? kVulnerabilities[vulnerability] : "?");
}

std::string direction_line(const DealVector& deal) {
  static constexpr std::string_view kSymbols = "TRDL?";
  std::string line;
  for (int card = 0; card < kCardCount; ++card) {
    if (card % 13 % 3 == 0) line += ' ';
    const HandCode code = deal[static_cast<std::size_t>(card)];
    line += kSymbols[code >= 0 && code <= 3 ? static_cast<std::size_t>(code) : 4];
  }
  return line + "\n";
}

std::string deal_text(const DealVector& deal, int board) {
  std::string text = board != 0 ? "Board " + std::to_string(board) + "\n" : std::string();
  return text + direction_line(deal);
}

DealVector deal_from_hands(std::string_view north, std::string_view east, std::string_view south,
                           std::string_view west) {
  static constexpr std::string_view kRanks = "AKQJT98765432";
  DealVector deal;
  deal.fill(kNoHand);
  const std::array<std::string_view, 4> hands{north, east, south, west};
  for (std::size_t hand = 0; hand < hands.size(); ++hand) {
    int suit = 0;
    for (const char c : hands[hand]) {
      if (c == '.') {
        ++suit;
      } else if (const std::size_t rank = kRanks.find(c); rank != std::string_view::npos) {
        deal[static_cast<std::size_t>(card_index(suit, static_cast<int>(rank)))] =
            static_cast<HandCode>(hand);
      }
    }
  }
  return deal;
}

DealVector deal_from_hands(const Hands& hands) { return deal_from_hands(hands[0], hands[1], hands[2], hands[3]); }

}  // namespace pipsweep::testing
