// Runs the built pipsweep binary the way a user does and captures what it
// leaves behind: console text, message text, exit status and _pipsweep.txt;
// and runs a reader in this process, recording what it hands over.
#pragma once

#include "deal/deal.hpp"
#include "readers/readers.hpp"
#include "support/recording.hpp"

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pipsweep::testing {

// A fresh directory, removed with everything in it at the end of the test.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes bytes exactly as given (no line-end translation).
  std::filesystem::path write(const std::string& name, std::string_view bytes) const;

 private:
  std::filesystem::path path_;
};

std::string read_file(const std::filesystem::path& file);

struct RunResult {
  std::string out;      // standard output
  std::string err;      // standard error (option diagnostics, message box text)
  int status = 0;       // exit status as the shell sees it (-1 is 255)
  bool has_output_file = false;
  std::string output_file;  // _pipsweep.txt in the working directory
};

// Runs pipsweep (the built one unless program names another) with args in
// cwd, with no desktop unless env ("NAME=value" entries, replacing the
// inherited ones) gives one. Standard input comes from input when given,
// otherwise from /dev/null.
RunResult run_pipsweep(const std::vector<std::string>& args, const std::filesystem::path& cwd,
                       const std::optional<std::string>& input = std::nullopt,
                       const std::vector<std::string>& env = {}, const std::string& program = PIPSWEEP_BINARY);

inline const std::string kProgramTitle = "Pipsweep V1.2";
// What the tool prints before it asks for a file.
inline const std::string kSelectPrompt = "\nSelect a bridge file(*.pbn,*.dup,*.dlm,*.csv,*.bri,*.dge)\n";
// What a run that wrote no deal prints last.
inline const std::string kNoDeals = "no deals found.\n";
// What follows a deal that is no bridge deal.
inline const std::string kNotABridgeDeal = "Not a proper bridge file??\n";

// The end-of-run message as it reaches standard error without a desktop.
std::string end_message(std::string_view text);
inline const std::string kFailureBox = end_message("error, see console window");

// The start-up text with the given four symbols.
std::string startup_text(std::string_view symbols = "TRDL");

// The first two lines of _pipsweep.txt for an input path.
std::string file_header(std::string_view input_path);

// What a reader run leaves, with the parts every run shares taken off.
struct ReaderRun {
  std::string console;  // standard output after the "Bridge file: ..." line
  std::string file;     // _pipsweep.txt after its two header lines
  int status = 0;
};

// Writes bytes to a file of that name in a fresh directory and runs pipsweep
// on it there. Fails the test if the shared start of the output differs.
ReaderRun run_reader(const std::string& file_name, std::string_view bytes,
                     const std::vector<std::string>& options = {},
                     const std::optional<std::string>& input = std::nullopt);

// One reader run and everything it must leave behind.
struct ReaderCase {
  std::string name;
  std::string input;
  std::string console;  // after the "Bridge file: ..." line
  std::string file;     // after the header
  int status = 0;
  // The marks of each deal as marks_text gives them. When not given, every
  // deal of a format without marks must come without, and a PBN's are not
  // looked at.
  std::optional<std::vector<std::string>> marks = std::nullopt;
};

// Runs the case on a file of that name, compares console, file and status;
// then runs its reader in this process, in blocks of several sizes, and
// compares what it hands the sink with the same console, file and status,
// and the marks.
void expect_reader_run(const std::string& file_name, const ReaderCase& c);
void expect_reader_runs(const std::string& file_name, const std::vector<ReaderCase>& cases);

// The run writes exactly these deal lines to both destinations and succeeds.
void expect_deals_written(const std::string& file_name, std::string_view bytes,
                          const std::string& deals);

// The text input's block size: files are read 64 KiB at a time.
inline constexpr std::size_t kInputBlock = std::size_t{1} << 16;

// Blank lines of n bytes in all, none longer than a line is read: to move
// what follows to a given place in the file, such as a block's edge.
std::string blank_filler(std::size_t n);

// A format as the tests know it: its extension, its reader, and whether its
// files give dealer and vulnerability.
struct Format {
  std::string_view extension;
  ReadResult (*reader)(TextInput& input, DealSink& sink);
  bool gives_marks;
};
std::span<const Format> formats();
// The format of a file name, by its extension; fails the test for none.
const Format& format_of(std::string_view file_name);

struct Recording {
  RecordingSink sink;
  ReadResult result = ReadResult::complete;
};

// Runs the reader in this process on the file, read in blocks of
// block_size bytes.
Recording record_reader(ReadResult (*reader)(TextInput&, DealSink&), const std::filesystem::path& file,
                        std::size_t block_size = kInputBlock);

// What the console writer makes of a recording: every deal's lines (default
// symbols), the warning after one that is no bridge deal, every text where
// it came; and what _pipsweep.txt gets after its header.
std::string console_text(const RecordingSink& sink);
std::string file_text(const RecordingSink& sink);

// A deal's marks: the dealer (N, E, S, W) and the vulnerability (None, NS,
// EW, All), each "?" when not given, e.g. "W All" or "? None".
std::string marks_text(const BoardMarks& marks);

// The direction line (72 characters and a line end) for a deal, with the
// default symbols.
std::string direction_line(const DealVector& deal);

// Board line and direction line as the writer prints them.
std::string deal_text(const DealVector& deal, int board);

// Four hands written as in PBN, North first, e.g. "AKQJ.AKQ.AKQ.AKQ":
// suits spades to clubs, ranks AKQJT98765432.
using Hands = std::array<std::string_view, 4>;

// The deal of four hands; cards not named stay unplaced (code 4).
DealVector deal_from_hands(std::string_view north, std::string_view east, std::string_view south,
                           std::string_view west);
DealVector deal_from_hands(const Hands& hands);

// A club deal, the worked example of PBN (board 7 from dealer South, both
// vulnerable), and the same deal as a PBN deal text listing South first.
inline constexpr Hands kWorkedHands{"7.AK964.AQ7.T862", "AQ643.J.T54.J943", "J9852.2.K983.AK7",
                                    "KT.QT8753.J62.Q5"};
inline const std::string kWorkedDealText =
    "S:J9852.2.K983.AK7 KT.QT8753.J62.Q5 7.AK964.AQ7.T862 AQ643.J.T54.J943";

// A deal in rank order: North the top cards of each suit, West the lowest.
inline constexpr Hands kRankOrderHands{"AKQJ.AKQ.AKQ.AKQ", "T98.JT9.JT9.JT98", "765.8765.876.765",
                                       "432.432.5432.432"};

inline constexpr int kFailureStatus = 255;

}  // namespace pipsweep::testing
