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

#include <fcntl.h>
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

// Runs zenity with the arguments and waits for it. When output is given,
// collects what zenity prints on its standard output.
bool run_zenity(std::vector<std::string> args, const IconPlace& icons, std::string* output) {
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

  std::array<int, 2> pipe_fds{-1, -1};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  // zenity's own warnings (themes, session bus) are no message of this tool.
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  if (output != nullptr) {
    if (::pipe(pipe_fds.data()) != 0) {
      posix_spawn_file_actions_destroy(&actions);
      return false;
    }
    posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipe_fds[0]);
    posix_spawn_file_actions_addclose(&actions, pipe_fds[1]);
  }
  pid_t pid = 0;
  const int spawned = ::posix_spawnp(&pid, "zenity", &actions, nullptr, argv.data(), child_environment);
  posix_spawn_file_actions_destroy(&actions);
  if (output != nullptr) {
    ::close(pipe_fds[1]);
    if (spawned == 0) {
      std::array<char, 1024> chunk{};
      ssize_t got = 0;
      while ((got = ::read(pipe_fds[0], chunk.data(), chunk.size())) != 0) {
        if (got < 0) {
          if (errno == EINTR) continue;
          break;
        }
        output->append(chunk.data(), static_cast<std::size_t>(got));
      }
    }
    ::close(pipe_fds[0]);
  }
  if (spawned != 0) return false;
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

DirectoryResult current_directory(char* buffer, std::size_t capacity) {
  if (::getcwd(buffer, capacity) != nullptr) return DirectoryResult::ok;
  buffer[0] = '\0';
  return errno == ERANGE ? DirectoryResult::too_long : DirectoryResult::failed;
}

void set_current_directory(const char* path) {
  // As with the dialog's own restore, a failure here changes nothing useful.
  [[maybe_unused]] const int ignored = ::chdir(path);
}

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
    if (!run_zenity(std::move(args), icons, &chosen)) {
      return {};
    }
    if (!chosen.empty() && chosen.back() == '\n') chosen.pop_back();
    return chosen;
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
    run_zenity(std::move(args), icons, nullptr);
  }
}

}  // namespace pipsweep::platform
