#include "platform/desktop.hpp"

#include "platform/console.hpp"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace pipsweep::platform {

namespace {

bool is_set(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && value[0] != '\0';
}

// The first directory of a colon-separated list that holds the file at
// relative (a path after the directory) with the given access; empty_as is
// what an empty entry stands for, or empty to pass it over.
std::string first_dir_with(std::string_view dirs, std::string_view relative, int mode,
                           std::string_view empty_as) {
  while (true) {
    const std::size_t colon = dirs.find(':');
    std::string dir(dirs.substr(0, colon));
    if (dir.empty()) dir = empty_as;
    if (!dir.empty() && ::access((dir + std::string(relative)).c_str(), mode) == 0) return dir;
    if (colon == std::string_view::npos) return {};
    dirs.remove_prefix(colon + 1);
  }
}

bool on_path(std::string_view program) {
  const char* path = std::getenv("PATH");
  std::string relative("/");
  relative += program;
  return path != nullptr && !first_dir_with(path, relative, X_OK, ".").empty();
}

// A graphical desktop with zenity to draw the dialogs.
bool desktop_available() {
  return (is_set("DISPLAY") || is_set("WAYLAND_DISPLAY")) && on_path("zenity");
}

bool readable(const std::string& path) { return ::access(path.c_str(), R_OK) == 0; }

constexpr std::string_view kAppIcon = "/icons/hicolor/128x128/apps/pipsweep.png";

// A picture for a message box: its file under a "share" directory and its
// name in the icon theme.
struct BoxIcon {
  std::string_view file;
  std::string_view name;
};
constexpr BoxIcon kSuccessIcon{"/icons/hicolor/24x24/apps/pipsweep-success.png", "pipsweep-success"};
constexpr BoxIcon kStopIcon{"/icons/hicolor/32x32/apps/pipsweep-stop.png", "pipsweep-stop"};

// Where the program's icons are installed: a "share" directory holding them,
// and whether the icon theme finds it through XDG_DATA_DIRS.
struct IconPlace {
  std::string share;
  bool on_data_dirs = false;
};

std::string data_dirs() {
  const char* dirs = std::getenv("XDG_DATA_DIRS");
  return dirs != nullptr && dirs[0] != '\0' ? dirs : "/usr/local/share:/usr/share";
}

IconPlace find_icons() {
  std::string share = first_dir_with(data_dirs(), kAppIcon, R_OK, "");
  if (!share.empty()) return {share, true};
  // Installed under some other prefix: <prefix>/bin/pipsweep beside <prefix>/share.
  std::array<char, 4096> exe{};
  const ssize_t length = ::readlink("/proc/self/exe", exe.data(), exe.size() - 1);
  if (length <= 0) return {};
  share.assign(exe.data(), static_cast<std::size_t>(length));
  share.erase(share.rfind('/') + 1);
  share += "../share";
  if (readable(share + std::string(kAppIcon))) return {share, false};
  return {};
}

// zenity's arguments that show the program's own icons: the window icon and,
// for a message box, its picture. None where they are not installed, so that
// zenity keeps its stock icons.
std::vector<std::string> icon_arguments(const IconPlace& icons, const BoxIcon* box_icon) {
  std::vector<std::string> args;
  if (icons.share.empty()) return args;
  args.push_back("--window-icon=" + icons.share + std::string(kAppIcon));
  if (box_icon != nullptr && readable(icons.share + std::string(box_icon->file))) {
    args.push_back("--icon-name=" + std::string(box_icon->name));
  }
  return args;
}

// What became of a zenity dialog.
enum class Dialog { answered, declined, not_shown };

// GTK's words when it cannot reach the display: zenity then ends at once,
// without a dialog.
constexpr std::string_view kNoDisplay = "cannot open display";
constexpr std::size_t kMaxComplaint = 4096;

// Reads zenity's standard output (into answer) and standard error (the
// start of it, into complaint) until it closes both.
void collect_output(int out_fd, std::string& answer, int err_fd, std::string& complaint) {
  std::array<pollfd, 2> fds{{{out_fd, POLLIN, 0}, {err_fd, POLLIN, 0}}};
  std::array<char, 1024> chunk{};
  int open_fds = 2;
  while (open_fds > 0) {
    if (::poll(fds.data(), fds.size(), -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    for (std::size_t i = 0; i < fds.size(); ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      const ssize_t got = ::read(fds[i].fd, chunk.data(), chunk.size());
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) {
        fds[i].fd = -1;  // poll passes over negative descriptors
        --open_fds;
      } else if (i == 0) {
        answer.append(chunk.data(), static_cast<std::size_t>(got));
      } else if (complaint.size() < kMaxComplaint) {
        complaint.append(chunk.data(), static_cast<std::size_t>(got));
      }
    }
  }
}

// Runs zenity with the arguments and waits for it; what it prints on its
// standard output goes into answer.
Dialog run_zenity(std::vector<std::string> args, const IconPlace& icons, std::string& answer) {
  args.insert(args.begin(), "zenity");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  // The icon theme looks for icon names only in XDG_DATA_DIRS, so an install
  // found beside the program is put in front of them.
  std::string data_dirs_entry;
  std::vector<char*> envp;
  char** child_environment = environ;
  if (!icons.share.empty() && !icons.on_data_dirs) {
    data_dirs_entry = "XDG_DATA_DIRS=" + icons.share + ":" + data_dirs();
    for (char** e = environ; *e != nullptr; ++e) {
      if (std::strncmp(*e, "XDG_DATA_DIRS=", 14) != 0) envp.push_back(*e);
    }
    envp.push_back(data_dirs_entry.data());
    envp.push_back(nullptr);
    child_environment = envp.data();
  }

  std::array<int, 2> out_pipe{-1, -1};
  std::array<int, 2> err_pipe{-1, -1};
  if (::pipe(out_pipe.data()) != 0) return Dialog::not_shown;
  if (::pipe(err_pipe.data()) != 0) {
    ::close(out_pipe[0]);
    ::close(out_pipe[1]);
    return Dialog::not_shown;
  }
  // zenity's warnings (themes, session bus) are no message of this tool, but
  // they tell whether it could open the display at all.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out_pipe[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err_pipe[1], STDERR_FILENO);
  for (const int fd : {out_pipe[0], out_pipe[1], err_pipe[0], err_pipe[1]}) {
    posix_spawn_file_actions_addclose(&actions, fd);
  }
  pid_t pid = 0;
  const int spawned = ::posix_spawnp(&pid, "zenity", &actions, nullptr, argv.data(), child_environment);
  posix_spawn_file_actions_destroy(&actions);
  ::close(out_pipe[1]);
  ::close(err_pipe[1]);
  std::string complaint;
  if (spawned == 0) collect_output(out_pipe[0], answer, err_pipe[0], complaint);
  ::close(out_pipe[0]);
  ::close(err_pipe[0]);
  if (spawned != 0) return Dialog::not_shown;
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (complaint.find(kNoDisplay) != std::string::npos) return Dialog::not_shown;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? Dialog::answered : Dialog::declined;
}

}  // namespace

std::string choose_file(const char* start_directory, std::size_t max_length) {
  std::string chosen;
  if (desktop_available()) {
    std::string start(start_directory);
    if (start.empty() || start.back() != '/') start += '/';
    const IconPlace icons = find_icons();
    std::vector<std::string> args{"--file-selection", "--title=Select a bridge file", "--filename=" + start,
                                  "--file-filter=pbn csv dup dlm bri dge | *.pbn *.csv *.dup *.dlm *.bri *.dge",
                                  "--file-filter=All | *"};
    for (std::string& a : icon_arguments(icons, nullptr)) args.push_back(std::move(a));
    switch (run_zenity(std::move(args), icons, chosen)) {
      case Dialog::answered:
        if (!chosen.empty() && chosen.back() == '\n') chosen.pop_back();
        return chosen;
      case Dialog::declined:
        return {};
      case Dialog::not_shown:
        // A stale DISPLAY, say: ask as without a desktop.
        chosen.clear();
        break;
    }
  }
  // No desktop: the name is typed (or piped) as one line; relative names are
  // relative to the start directory, which is still the current one.
  read_console_line(chosen, max_length);
  return chosen;
}

void show_message_box(const char* caption, const char* text, bool success) {
  std::fflush(stdout);
  // Set off from the console text, which may end without a line end.
  std::fprintf(stderr, "\n[%s] %s\n", caption, text);
  std::fflush(stderr);
  if (desktop_available()) {
    const IconPlace icons = find_icons();
    std::vector<std::string> args{success ? "--info" : "--error", std::string("--title=") + caption,
                                  "--no-markup", std::string("--text=") + text};
    for (std::string& a : icon_arguments(icons, success ? &kSuccessIcon : &kStopIcon)) args.push_back(std::move(a));
    // The text is on standard error already, whether or not the box shows.
    std::string ignored;
    run_zenity(std::move(args), icons, ignored);
  }
}

}  // namespace pipsweep::platform
