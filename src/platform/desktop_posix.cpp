#include "platform/desktop.hpp"

#include "platform/console.hpp"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
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

bool on_path(std::string_view program) {
  const char* path = std::getenv("PATH");
  if (path == nullptr) return false;
  std::string_view dirs(path);
  while (true) {
    const std::size_t colon = dirs.find(':');
    std::string_view dir = dirs.substr(0, colon);
    if (dir.empty()) dir = ".";
    std::string candidate;
    candidate.append(dir).append("/").append(program);
    if (::access(candidate.c_str(), X_OK) == 0) return true;
    if (colon == std::string_view::npos) return false;
    dirs.remove_prefix(colon + 1);
  }
}

// A graphical desktop with zenity to draw the dialogs.
bool desktop_available() {
  return (is_set("DISPLAY") || is_set("WAYLAND_DISPLAY")) && on_path("zenity");
}

// Runs zenity with the arguments and waits for it. When output is given,
// collects what zenity prints on its standard output.
bool run_zenity(std::vector<std::string> args, std::string* output) {
  args.insert(args.begin(), "zenity");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

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
  const int spawned = ::posix_spawnp(&pid, "zenity", &actions, nullptr, argv.data(), environ);
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
    if (!run_zenity({"--file-selection", "--title=Select a bridge file", "--filename=" + start,
                     "--file-filter=pbn csv dup dlm bri dge | *.pbn *.csv *.dup *.dlm *.bri *.dge",
                     "--file-filter=All | *"},
                    &chosen)) {
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
    run_zenity({success ? "--info" : "--error", std::string("--title=") + caption, "--no-markup",
                std::string("--text=") + text},
               nullptr);
  }
}

}  // namespace pipsweep::platform
