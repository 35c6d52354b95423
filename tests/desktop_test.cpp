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

// Records its arguments and the environment it was given as it was given,
// duplicates included: what a shell shows of it hides a second entry.
constexpr std::string_view kStandIn =
    "#!/bin/sh\n"
    "{ printf '%s\\n' \"$@\"; tr '\\0' '\\n' </proc/$$/environ |\n"
    "  grep -E '^(DISPLAY|WAYLAND_DISPLAY|PATH|HOME|XDG_DATA_DIRS)=' | sort; } >>\"$ZENITY_LOG\"\n"
    "if [ \"$1\" = --file-selection ] && [ -n \"$ZENITY_ANSWER\" ]; then echo \"$ZENITY_ANSWER\"; fi\n"
    "if [ -n \"$ZENITY_COMPLAINT\" ]; then echo \"$ZENITY_COMPLAINT\" >&2; fi\n"
    "exit \"$ZENITY_STATUS\"\n";
const std::string kDeal = "[Board \"7\"]\n[Deal \"" + kWorkedDealText + "\"]\n";
constexpr std::string_view kAppIcon = "/icons/hicolor/128x128/apps/pipsweep.png";

// Where pipsweep's icons are installed.
enum class Icons { none, on_data_dirs, beside_program };

struct Case {
  const char* name;
  std::vector<std::string> args;
  std::string answer;     // the chooser's answer, relative to the run's directory
  int zenity_status;
  std::string complaint;  // zenity's standard error
  std::string input;      // pipsweep's standard input
  Icons icons;
  bool chooser;           // the chooser is called
  std::string chosen;     // the file run, as typed or answered; empty for none
  bool success;
  bool empty_display = false;  // DISPLAY set to "" and no WAYLAND_DISPLAY: no desktop
};

// The lines the stand-in records for one call: its arguments, then the
// environment zenity needs, sorted. share is where the icons are, if any.
std::string call(std::vector<std::string> args, const std::string& share, const char* box_icon,
                 const std::vector<std::string>& environment) {
  if (!share.empty()) {
    args.push_back("--window-icon=" + share + std::string(kAppIcon));
    if (box_icon != nullptr) args.push_back(std::string("--icon-name=") + box_icon);
  }
  std::string lines;
  for (const std::string& a : args) lines += a + "\n";
  for (const std::string& e : environment) lines += e + "\n";
  return lines;
}

TEST(Desktop, ChooserAndEndBoxThroughZenity) {
  const std::vector<Case> cases{
      {"a file chosen, icons installed", {}, "deals.pbn", 0, "", "", Icons::on_data_dirs, true, "deals.pbn", true},
      {"cancel", {}, "", 1, "", "deals.pbn\n", Icons::none, true, "", false},
      {"a display that cannot be opened asks on standard input", {}, "", 1,
       "(zenity:9): Gtk-WARNING **: cannot open display: :99", "deals.pbn\n", Icons::none, true, "deals.pbn",
       true},
      {"success box with installed icons", {"deals.pbn"}, "", 0, "", "", Icons::on_data_dirs, false, "", true},
      {"failure box with installed icons", {"empty.pbn"}, "", 0, "", "", Icons::on_data_dirs, false, "", false},
      {"success box with stock icons", {"deals.pbn"}, "", 0, "", "", Icons::none, false, "", true},
      {"failure box with stock icons", {"empty.pbn"}, "", 0, "", "", Icons::none, false, "", false},
      // A prefix of its own: the icons lie in share beside bin, and zenity
      // finds them through an XDG_DATA_DIRS that names that share first.
      {"a file chosen, icons beside the program", {}, "deals.pbn", 0, "", "", Icons::beside_program, true,
       "deals.pbn", true},
      {"failure box, icons beside the program", {"empty.pbn"}, "", 0, "", "", Icons::beside_program, false, "",
       false},
      {"an empty DISPLAY is no desktop: the name is typed", {}, "", 0, "", "deals.pbn\n", Icons::on_data_dirs,
       false, "deals.pbn", true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const fs::path run_dir = dir.path() / "run";
    dir.write("run/deals.pbn", kDeal);
    dir.write("run/empty.pbn", "");
    const fs::path zenity = dir.write("bin/zenity", kStandIn);
    fs::permissions(zenity, fs::perms::owner_all);
    // A prefix holding the icons, and the program too where it runs from there.
    const fs::path prefix = dir.path() / "prefix";
    const fs::path program = prefix / "bin" / "pipsweep";
    if (c.icons == Icons::beside_program) {
      fs::create_directories(program.parent_path());
      fs::copy_file(PIPSWEEP_BINARY, program);
    }
    for (const char* icon : {"128x128/apps/pipsweep.png", "24x24/apps/pipsweep-success.png",
                             "32x32/apps/pipsweep-stop.png"}) {
      dir.write(std::string("prefix/share/icons/hicolor/") + icon, "");
    }
    const std::string installed = (prefix / "share").string();
    const std::string beside = (prefix / "bin").string() + "/../share";
    const fs::path log = dir.path() / "zenity.log";
    const std::string answer = c.answer.empty() ? "" : (run_dir / c.answer).string();
    const std::string data_dirs = c.icons == Icons::on_data_dirs ? installed : "/nonexistent";
    const std::string display = "DISPLAY=:99";
    const std::string wayland = "WAYLAND_DISPLAY=wayland-9";
    const std::string home = "HOME=" + (dir.path() / "home").string();
    const std::string path = "PATH=" + (dir.path() / "bin").string() + ":/usr/bin:/bin";

    std::vector<std::string> run_environment{
        c.empty_display ? "DISPLAY=" : display, home, path, "XDG_DATA_DIRS=" + data_dirs,
        "ZENITY_LOG=" + log.string(), "ZENITY_ANSWER=" + answer,
        "ZENITY_STATUS=" + std::to_string(c.zenity_status), "ZENITY_COMPLAINT=" + c.complaint};
    if (!c.empty_display) run_environment.push_back(wayland);
    const RunResult run = run_pipsweep(c.args, run_dir, c.input, run_environment,
                                       c.icons == Icons::beside_program ? program.string() : PIPSWEEP_BINARY);

    const std::string share = c.icons == Icons::on_data_dirs   ? installed
                              : c.icons == Icons::beside_program ? beside
                                                                 : "";
    // Exactly one XDG_DATA_DIRS, with an install beside the program first.
    const std::vector<std::string> environment{
        display, home, path, wayland,
        "XDG_DATA_DIRS=" + (c.icons == Icons::beside_program ? beside + ":" + data_dirs : data_dirs)};
    const std::string start = run_dir.string();
    std::string expected_log;
    if (c.chooser) {
      expected_log += call({"--file-selection", "--title=Select a bridge file", "--filename=" + start + "/",
                            "--file-filter=pbn csv dup dlm bri dge | *.pbn *.csv *.dup *.dlm *.bri *.dge",
                            "--file-filter=All | *"},
                           share, nullptr, environment);
    }
    const std::string box_text =
        c.success ? "output available in file _pipsweep.txt\n\nIn directory: " + start
                  : "error, see console window";
    // Without a desktop zenity draws nothing, not even the end box.
    if (!c.empty_display) {
      expected_log += call({c.success ? "--info" : "--error", "--title=" + kProgramTitle, "--no-markup",
                            "--text=" + box_text},
                           share, c.success ? "pipsweep-success" : "pipsweep-stop", environment);
    }
    EXPECT_EQ(read_file(log), expected_log);

    if (c.chooser || !c.chosen.empty()) {
      // The chooser answers with a full path.
      const std::string name = c.answer.empty() ? c.chosen : answer;
      const std::string shown = startup_text() + kSelectPrompt +
                                (name.empty() ? "No file name given" : "Bridge file: " + name + "\n");
      EXPECT_EQ(run.out.substr(0, shown.size()), shown);
    }
    // zenity's own complaints never reach the user.
    EXPECT_EQ(run.err, end_message(box_text));
    EXPECT_EQ(run.status, c.success ? 0 : kFailureStatus);
  }
}

}  // namespace
}  // namespace pipsweep::testing
