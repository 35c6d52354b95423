#include "support/run.hpp"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pipsweep::testing {
namespace {

namespace fs = std::filesystem;

const std::string kHelp =
    "Pipsweep V1.2 - by Olsveld\n"
    "command-line options:\n"
    " -p : Pause after every deal. (Next: <Enter>; All: 'q')\n"
    " -d \"string\" : Replace the 4 symbols T R D L for N E S W\n"
    " -h : show this help, then quit\n";
const std::string kUntouched = "an older run's output\n";

struct Case {
  const char* name;
  std::vector<std::pair<std::string, std::string>> files;  // created in the start directory
  std::vector<std::string> args;
  std::optional<std::string> input;
  std::string out;
  int status;
  // Expected _pipsweep.txt; nullopt when none may exist.
  std::optional<std::string> output_file;
};

void run_cases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    for (const auto& [name, bytes] : c.files) dir.write(name, bytes);
    const RunResult run = run_pipsweep(c.args, dir.path(), c.input);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.has_output_file, c.output_file.has_value());
    if (c.output_file) {
      EXPECT_EQ(run.output_file, *c.output_file);
    }
    if (c.status == kFailureStatus) {
      EXPECT_TRUE(run.err.ends_with(kFailureBox)) << run.err;
    }
  }
}

// A run that opened deal files but found no deal in them.
std::string no_deals(const std::string& path, const std::string& symbols = "TRDL") {
  return startup_text(symbols) + "Bridge file: " + path + "\n" + kNoDeals;
}

TEST(CommandLine, OptionsHelpAndOperands) {
  const std::pair<std::string, std::string> empty_pbn{"deal.pbn", ""};
  run_cases({
      {"help alone", {}, {"-h"}, {}, kHelp, 0, {}},
      {"help after a bad option", {}, {"-x", "-h"}, {}, "option x ignored\n" + kHelp, 0, {}},
      {"help before a bad option", {}, {"-h", "-x"}, {}, kHelp, 0, {}},
      {"help after the file name is an operand", {empty_pbn}, {"deal.pbn", "-h"}, {},
       no_deals("deal.pbn"), kFailureStatus, file_header("deal.pbn")},
      {"long symbol argument", {empty_pbn}, {"-d", "WXYZUV", "deal.pbn"}, {},
       no_deals("deal.pbn", "WXYZ"), kFailureStatus, file_header("deal.pbn")},
      {"short attached symbol argument", {empty_pbn}, {"-dAB", "deal.pbn"}, {},
       no_deals("deal.pbn", "AB"), kFailureStatus, file_header("deal.pbn")},
      {"empty symbol argument", {empty_pbn}, {"-d", "", "deal.pbn"}, {},
       no_deals("deal.pbn", ""), kFailureStatus, file_header("deal.pbn")},
      {"later -d wins", {empty_pbn}, {"-d", "abcd", "-pdNOZW", "deal.pbn"}, {},
       no_deals("deal.pbn", "NOZW"), kFailureStatus, file_header("deal.pbn")},
      {"-d without its value", {}, {"-d"}, {},
       "option d ignored\n" + startup_text() + kSelectPrompt + "No file name given", kFailureStatus, {}},
      {"-p after the file name", {empty_pbn}, {"deal.pbn", "-p"}, {}, no_deals("deal.pbn"),
       kFailureStatus, file_header("deal.pbn")},
      {"second operand ignored", {empty_pbn}, {"deal.pbn", "other.csv"}, {}, no_deals("deal.pbn"),
       kFailureStatus, file_header("deal.pbn")},
      {"double hyphen ends the options", {{"-p.pbn", ""}}, {"--", "-p.pbn"}, {},
       no_deals("-p.pbn"), kFailureStatus, file_header("-p.pbn")},
  });
}

TEST(InputFile, ExtensionsAndOpening) {
  const std::pair<std::string, std::string> older{"_pipsweep.txt", kUntouched};
  auto unsupported = [](const std::string& path) {
    return startup_text() + path + "\nFile type not supported\n";
  };
  std::vector<Case> cases;
  for (const std::string path :
       {"deal.PBN", "deal.pbn.bak", "deal.pbnx", "deal.pb", "sets.pbn/deal", "deal"}) {
    cases.push_back({"unsupported", {older, {path, ""}}, {path},
                     {}, unsupported(path), kFailureStatus, kUntouched});
  }
  cases.push_back({"missing file", {older}, {"missing.dup"}, {},
                   startup_text() + "can't open file missing.dup\n", kFailureStatus, kUntouched});
  cases.push_back({"directory named like a deal file", {older, {"boards.dlm/x", ""}},
                   {"boards.dlm"}, {}, startup_text() + "can't open file boards.dlm\n",
                   kFailureStatus, kUntouched});
  cases.push_back({"older output replaced", {older, {"deal.bri", ""}}, {"deal.bri"}, {},
                   no_deals("deal.bri"), kFailureStatus, file_header("deal.bri")});
  run_cases(cases);
}

TEST(InputFile, EveryExtensionReachesItsReader) {
  for (const std::string ext : {".pbn", ".dup", ".dlm", ".csv", ".bri", ".dge"}) {
    SCOPED_TRACE(ext);
    TempDir dir;
    dir.write("deal" + ext, "");
    const RunResult run = run_pipsweep({"deal" + ext}, dir.path());
    EXPECT_TRUE(run.out.starts_with(startup_text() + "Bridge file: deal" + ext + "\n"));
    EXPECT_TRUE(run.out.ends_with(kNoDeals));
    EXPECT_EQ(run.output_file, file_header("deal" + ext));
    EXPECT_EQ(run.status, kFailureStatus);
  }
  // An example of each format gives its deals through its own reader and
  // through no other: the tool must give exactly those.
  for (const std::string name :
       {"club-session.pbn", "club.dup", "club.dlm", "generated.csv", "club.bri", "club.dge"}) {
    SCOPED_TRACE(name);
    const fs::path file = fs::path(PIPSWEEP_EXAMPLES) / name;
    const Format& own = format_of(name);
    const std::string deals = file_text(record_reader(own.reader, file).sink);
    ASSERT_FALSE(deals.empty());
    for (const Format& other : formats()) {
      if (other.reader != own.reader) {
        EXPECT_NE(file_text(record_reader(other.reader, file).sink), deals) << "read as " << other.extension;
      }
    }
    EXPECT_EQ(run_reader(name, read_file(file)).file, deals);
  }
}

// Windows editors put a UTF-8 byte order mark before the text; it must not
// change a single line, nor shift a fixed-width record.
TEST(InputFile, ByteOrderMarkIsNoText) {
  for (const std::string name :
       {"club-session.pbn", "club.dup", "club.dlm", "generated.csv", "club.bri", "club.dge"}) {
    SCOPED_TRACE(name);
    const std::string bytes = read_file(std::string(PIPSWEEP_EXAMPLES) + "/" + name);
    const ReaderRun plain = run_reader(name, bytes);
    const ReaderRun marked = run_reader(name, "\xEF\xBB\xBF" + bytes);
    EXPECT_EQ(plain.status, 0);
    EXPECT_FALSE(plain.file.empty());
    EXPECT_EQ(marked.console, plain.console);
    EXPECT_EQ(marked.file, plain.file);
    EXPECT_EQ(marked.status, plain.status);
  }
}

TEST(InputFile, ChosenFromStandardInput) {
  const std::pair<std::string, std::string> empty_csv{"deal.csv", ""};
  run_cases({
      {"a name", {empty_csv}, {}, "deal.csv\n", startup_text() + kSelectPrompt +
       "Bridge file: deal.csv\nno deals found.\n", kFailureStatus, file_header("deal.csv")},
      {"a name with a Windows line end", {empty_csv}, {}, "deal.csv\r\n",
       startup_text() + kSelectPrompt + "Bridge file: deal.csv\nno deals found.\n", kFailureStatus,
       file_header("deal.csv")},
      {"an empty line", {empty_csv}, {}, "\ndeal.csv\n",
       startup_text() + kSelectPrompt + "No file name given", kFailureStatus, {}},
      {"end of input", {empty_csv}, {}, "", startup_text() + kSelectPrompt + "No file name given",
       kFailureStatus, {}},
      {"an empty operand asks too", {empty_csv}, {""}, "deal.csv\n", startup_text() + kSelectPrompt +
       "Bridge file: deal.csv\nno deals found.\n", kFailureStatus, file_header("deal.csv")},
  });
}

TEST(InputFile, OutputLiesInTheStartDirectory) {
  TempDir start;
  TempDir elsewhere;
  const fs::path input = elsewhere.write("deal.pbn", "");
  const RunResult run = run_pipsweep({input.string()}, start.path());
  EXPECT_EQ(run.out, no_deals(input.string()));
  EXPECT_EQ(run.output_file, file_header(input.string()));
  EXPECT_FALSE(fs::exists(elsewhere.path() / "_pipsweep.txt"));
}

TEST(InputFile, OverlongNamesAreRefusedNotCut) {
  const std::string long_name = std::string(256, 'n') + ".pbn";  // 260 characters
  const std::string fits = std::string(255, 'n') + ".pbn";       // 259 characters
  run_cases({
      {"operand of 260 characters", {{fits, ""}}, {long_name}, {},
       startup_text() + long_name + "\nFile name too long\n", kFailureStatus, {}},
      {"chosen name of 260 characters", {{fits, ""}}, {}, long_name + "\n",
       startup_text() + kSelectPrompt + long_name + "\nFile name too long\n", kFailureStatus, {}},
  });
  // 259 characters still fit; the file system may refuse a component that
  // long, which is the ordinary "can't open" end.
  TempDir dir;
  const RunResult run = run_pipsweep({fits}, dir.path());
  EXPECT_EQ(run.out, startup_text() + "can't open file " + fits + "\n");
}

TEST(InputFile, OverlongStartDirectoryIsRefused) {
  TempDir dir;
  // Nested so that the whole path reaches exactly the length wanted.
  auto nested = [&](std::size_t length) {
    fs::path path = dir.path() / (length % 2 == 0 ? "even" : "odd");
    while (path.string().size() + 101 < length) path /= std::string(100, 'd');
    path /= std::string(length - path.string().size() - 1, 'e');
    fs::create_directories(path);
    EXPECT_EQ(path.string().size(), length);
    return path;
  };
  const fs::path longest = nested(259);
  std::ofstream(longest / "deal.pbn").flush();
  const RunResult fits = run_pipsweep({"deal.pbn"}, longest);
  EXPECT_EQ(fits.out, no_deals("deal.pbn"));

  const fs::path too_long = nested(260);
  std::ofstream(too_long / "deal.pbn").flush();
  const RunResult refused = run_pipsweep({"deal.pbn"}, too_long);
  EXPECT_EQ(refused.out, startup_text() + "Current directory name too long\n");
  EXPECT_EQ(refused.status, kFailureStatus);
  EXPECT_FALSE(refused.has_output_file);
}

TEST(RunEnd, WriteFailureIsReportedNotHidden) {
  TempDir dir;
  dir.write("deal.pbn", "");
  fs::create_symlink("/dev/full", dir.path() / "_pipsweep.txt");
  const RunResult run = run_pipsweep({"deal.pbn"}, dir.path());
  EXPECT_EQ(run.out,
            startup_text() + "Bridge file: deal.pbn\nfailed to write file _pipsweep.txt\n");
  EXPECT_EQ(run.status, kFailureStatus);
  EXPECT_EQ(run.err, kFailureBox);
}

TEST(RunEnd, ReadFailureIsReportedNotHidden) {
  // The first read of this process's own memory at offset 0 fails.
  TempDir dir;
  fs::create_symlink("/proc/self/mem", dir.path() / "deal.pbn");
  const RunResult run = run_pipsweep({"deal.pbn"}, dir.path());
  EXPECT_EQ(run.out, startup_text() + "Bridge file: deal.pbn\nfailed to read file deal.pbn\n");
  EXPECT_EQ(run.status, kFailureStatus);
  EXPECT_EQ(run.output_file, file_header("deal.pbn"));
}

TEST(RunEnd, OutputFileThatCannotBeOpened) {
  TempDir dir;
  dir.write("deal.pbn", "");
  fs::create_directory(dir.path() / "_pipsweep.txt");
  const RunResult run = run_pipsweep({"deal.pbn"}, dir.path());
  EXPECT_EQ(run.out, startup_text() + "failed to open file _pipsweep.txt for output\n");
  EXPECT_EQ(run.status, kFailureStatus);
}

// Three boards of one deal, as a PBN file; the third lacks the two of clubs
// when short_last is set.
const auto [kNorth, kEast, kSouth, kWest] = kRankOrderHands;

std::string pbn_boards(int count, bool short_last = false) {
  std::string text;
  for (int board = 1; board <= count; ++board) {
    const bool short_deal = short_last && board == count;
    text += "[Board \"" + std::to_string(board) + "\"]\r\n[Deal \"N:" + std::string(kNorth) + " " +
            std::string(kEast) + " " + std::string(kSouth) + " " +
            std::string(short_deal ? "2432.432.5432.43" : kWest) + "\"]\r\n\r\n";
  }
  return text;
}

std::string board_lines(int board) { return deal_text(deal_from_hands(kRankOrderHands), board); }

TEST(Pause, WaitsAfterEachDealUntilAnsweredOrStopped) {
  const std::string deals = startup_text() + "Bridge file: deals.pbn\n";
  const std::string b1 = board_lines(1), b2 = board_lines(2), b3 = board_lines(3);
  struct Case {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    std::string out;
  };
  const Case cases[] = {
      {"Enter each time", {"-p", "deals.pbn"}, "\n\n\n", deals + b1 + ">" + b2 + ">" + b3 + ">"},
      {"end of input keeps pausing", {"-p", "deals.pbn"}, "", deals + b1 + ">" + b2 + ">" + b3 + ">"},
      {"q stops pausing", {"-p", "deals.pbn"}, "q\n", deals + b1 + ">" + b2 + b3},
      {"Q does not", {"-p", "deals.pbn"}, "Q\nQ\nq\n", deals + b1 + ">" + b2 + ">" + b3 + ">"},
      // The rest of an answer's line is typed ahead of the next prompt.
      {"rest of the answer line discarded", {"-p", "deals.pbn"}, "xq\n\nq\n",
       deals + b1 + ">" + b2 + ">" + b3 + ">"},
      {"the rest of an answer line is dropped, a q in it too", {"-p", "deals.pbn"}, "xyq\n\n\n",
       deals + b1 + ">" + b2 + ">" + b3 + ">"},
      {"Enter, then q at the second pause", {"-p", "deals.pbn"}, "\nq\n",
       deals + b1 + ">" + b2 + ">" + b3},
      // A line longer than the console's buffer of 4096 bytes is dropped only
      // as far as it was read: the rest comes as the next answer.
      {"an answer line longer than the buffer", {"-p", "deals.pbn"}, std::string(4096, 'y') + "q\n",
       deals + b1 + ">" + b2 + ">" + b3},
      {"a NUL byte is an answer like any other", {"-p", "deals.pbn"}, std::string("\0\nq\n", 4),
       deals + b1 + ">" + b2 + ">" + b3},
      {"-p after the file name is no option", {"deals.pbn", "-p"}, "\n", deals + b1 + b2 + b3},
      // Reading the name met the end of the input: every pause finds it at once.
      {"input at its end before the first pause", {"-p"}, "deals.pbn",
       startup_text() + kSelectPrompt + "Bridge file: deals.pbn\n" + b1 + ">" + b2 + ">" + b3 + ">"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    dir.write("deals.pbn", pbn_boards(3));
    const RunResult run = run_pipsweep(c.args, dir.path(), c.input);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.output_file, file_header("deals.pbn") + b1 + b2 + b3);
    EXPECT_EQ(run.status, 0);
  }
}

TEST(Pause, FollowsTheWarningOfABadDeal) {
  TempDir dir;
  dir.write("deals.pbn", pbn_boards(2, true));
  const RunResult run = run_pipsweep({"-p", "deals.pbn"}, dir.path(), "\n\n");
  DealVector bad = deal_from_hands(kNorth, kEast, kSouth, "2432.432.5432.43");
  EXPECT_EQ(run.out, startup_text() + "Bridge file: deals.pbn\n" + board_lines(1) + ">" +
                         deal_text(bad, 2) + kNotABridgeDeal + ">");
  EXPECT_EQ(run.status, kFailureStatus);
}

// Ctrl-C at a pause (or a closed console window) ends the run there: the
// deals shown so far must already be in the file.
TEST(Pause, DealsShownAreInTheFileWhenTheRunIsInterrupted) {
  TempDir dir;
  dir.write("deals.pbn", pbn_boards(3));
  int to_child[2];
  int from_child[2];
  ASSERT_EQ(::pipe(to_child), 0);
  ASSERT_EQ(::pipe(from_child), 0);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(to_child[0], STDIN_FILENO);
    ::dup2(from_child[1], STDOUT_FILENO);
    for (const int fd : {to_child[0], to_child[1], from_child[0], from_child[1]}) ::close(fd);
    if (::chdir(dir.path().c_str()) != 0) ::_exit(127);
    ::execl(PIPSWEEP_BINARY, PIPSWEEP_BINARY, "-p", "deals.pbn", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(to_child[0]);
  ::close(from_child[1]);
  // Waits until the console shows the given number of pause prompts.
  std::string console;
  const auto wait_for_prompts = [&](std::size_t prompts) {
    std::array<char, 512> chunk{};
    while (static_cast<std::size_t>(std::count(console.begin(), console.end(), '>')) < prompts) {
      const ssize_t got = ::read(from_child[0], chunk.data(), chunk.size());
      if (got <= 0) return false;
      console.append(chunk.data(), static_cast<std::size_t>(got));
    }
    return true;
  };
  EXPECT_TRUE(wait_for_prompts(1));
  EXPECT_EQ(::write(to_child[1], "\n", 1), 1);
  EXPECT_TRUE(wait_for_prompts(2));
  ::kill(pid, SIGINT);
  int status = 0;
  ::waitpid(pid, &status, 0);
  ::close(to_child[1]);
  ::close(from_child[0]);
  EXPECT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(read_file(dir.path() / "_pipsweep.txt"),
            file_header("deals.pbn") + board_lines(1) + board_lines(2));
}

TEST(RunEnd, SuccessNamesTheOutputFileAndStartDirectory) {
  TempDir dir;
  dir.write("deals.pbn", pbn_boards(1));
  const RunResult run = run_pipsweep({"deals.pbn"}, dir.path());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err,
            end_message("output available in file _pipsweep.txt\n\nIn directory: " + dir.path().string()));
}

TEST(RunEnd, WriteFailureAfterDealsIsReported) {
  TempDir dir;
  dir.write("deals.pbn", pbn_boards(2));
  fs::create_symlink("/dev/full", dir.path() / "_pipsweep.txt");
  const RunResult run = run_pipsweep({"deals.pbn"}, dir.path());
  EXPECT_EQ(run.out, startup_text() + "Bridge file: deals.pbn\n" + board_lines(1) +
                         board_lines(2) + "failed to write file _pipsweep.txt\n");
  EXPECT_EQ(run.status, kFailureStatus);
  EXPECT_EQ(run.err, kFailureBox);
}

}  // namespace
}  // namespace pipsweep::testing
