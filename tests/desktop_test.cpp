// The desktop twin on POSIX: the file chooser and end box drawn by zenity,
// here a stand-in script first on PATH that records its calls and answers as
// each case tells it.
#include "support/run.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace pipsweep::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kStandIn =
    "#!/bin/sh\n"
    "{ printf '%s\\n' \"$@\"; echo \"XDG_DATA_DIRS=$XDG_DATA_DIRS\"; } >>\"$ZENITY_LOG\"\n"
    "if [ \"$1\" = --file-selection ] && [ -n \"$ZENITY_ANSWER\" ]; then echo \"$ZENITY_ANSWER\"; fi\n"
    "if [ -n \"$ZENITY_COMPLAINT\" ]; then echo \"$ZENITY_COMPLAINT\" >&2; fi\n"
    "exit \"$ZENITY_STATUS\"\n";
constexpr std::string_view kDeal =
    "[Board \"7\"]\n[Deal \"S:J9852.2.K983.AK7 KT.QT8753.J62.Q5 7.AK964.AQ7.T862 AQ643.J.T54.J943\"]\n";
constexpr std::string_view kAppIcon = "/icons/hicolor/128x128/apps/pipsweep.png";

struct Case {
  const char* name;
  std::vector<std::string> args;
  std::string answer;     // the chooser's answer, relative to the run's directory
  int zenity_status;
  std::string complaint;  // zenity's standard error
  std::string input;      // pipsweep's standard input
  bool icons;             // pipsweep's icons installed on XDG_DATA_DIRS
  bool chooser;           // the chooser is called
  std::string chosen;     // the file run, as typed or answered; empty for none
  bool success;
};

// The lines the stand-in records for one call.
std::string call(std::vector<std::string> args, const std::string& share, bool icons,
                 const char* box_icon) {
  if (icons) {
    args.push_back("--window-icon=" + share + std::string(kAppIcon));
    if (box_icon != nullptr) args.push_back(std::string("--icon-name=") + box_icon);
  }
  std::string lines;
  for (const std::string& a : args) lines += a + "\n";
  return lines + "XDG_DATA_DIRS=" + (icons ? share : "/nonexistent") + "\n";
}

TEST(Desktop, ChooserAndEndBoxThroughZenity) {
  const std::vector<Case> cases{
      {"a file chosen, icons installed", {}, "deals.pbn", 0, "", "", true, true, "deals.pbn", true},
      {"cancel", {}, "", 1, "", "deals.pbn\n", false, true, "", false},
      {"a display that cannot be opened asks on standard input", {}, "", 1,
       "(zenity:9): Gtk-WARNING **: cannot open display: :99", "deals.pbn\n", false, true,
       "deals.pbn", true},
      {"success box with installed icons", {"deals.pbn"}, "", 0, "", "", true, false, "", true},
      {"failure box with installed icons", {"empty.pbn"}, "", 0, "", "", true, false, "", false},
      {"success box with stock icons", {"deals.pbn"}, "", 0, "", "", false, false, "", true},
      {"failure box with stock icons", {"empty.pbn"}, "", 0, "", "", false, false, "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const fs::path run_dir = dir.path() / "run";
    dir.write("run/deals.pbn", kDeal);
    dir.write("run/empty.pbn", "");
    const fs::path zenity = dir.write("bin/zenity", kStandIn);
    fs::permissions(zenity, fs::perms::owner_all);
    const std::string share = (dir.path() / "share").string();
    for (const char* icon : {"128x128/apps/pipsweep.png", "24x24/apps/pipsweep-success.png",
                             "32x32/apps/pipsweep-stop.png"}) {
      dir.write(std::string("share/icons/hicolor/") + icon, "");
    }
    const fs::path log = dir.path() / "zenity.log";
    const std::string answer = c.answer.empty() ? "" : (run_dir / c.answer).string();

    const RunResult run = run_pipsweep(
        c.args, run_dir, c.input,
        {"DISPLAY=:99", "PATH=" + (dir.path() / "bin").string() + ":/usr/bin:/bin",
         "XDG_DATA_DIRS=" + (c.icons ? share : "/nonexistent"), "ZENITY_LOG=" + log.string(),
         "ZENITY_ANSWER=" + answer, "ZENITY_STATUS=" + std::to_string(c.zenity_status),
         "ZENITY_COMPLAINT=" + c.complaint});

    const std::string start = run_dir.string();
    std::string expected_log;
    if (c.chooser) {
      expected_log += call({"--file-selection", "--title=Select a bridge file", "--filename=" + start + "/",
                            "--file-filter=pbn csv dup dlm bri dge | *.pbn *.csv *.dup *.dlm *.bri *.dge",
                            "--file-filter=All | *"},
                           share, c.icons, nullptr);
    }
    const std::string box_text =
        c.success ? "output available in file _pipsweep.txt\n\nIn directory: " + start
                  : "error, see console window";
    expected_log += call({c.success ? "--info" : "--error", "--title=Pipsweep V1.2", "--no-markup",
                          "--text=" + box_text},
                         share, c.icons, c.success ? "pipsweep-success" : "pipsweep-stop");
    EXPECT_EQ(read_file(log), expected_log);

    if (c.chooser) {
      // The chooser answers with a full path.
      const std::string name = c.answer.empty() ? c.chosen : answer;
      const std::string shown = startup_text() + kSelectPrompt +
                                (name.empty() ? "No file name given" : "Bridge file: " + name + "\n");
      EXPECT_EQ(run.out.substr(0, shown.size()), shown);
    }
    // zenity's own complaints never reach the user.
    EXPECT_EQ(run.err, "\n[Pipsweep V1.2] " + box_text + "\n");
    EXPECT_EQ(run.status, c.success ? 0 : kFailureStatus);
  }
}

}  // namespace
}  // namespace pipsweep::testing
