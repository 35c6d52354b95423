// The current directory on POSIX systems, and in the browser the in-memory
// file system's, where the page puts the deal file and finds _pipsweep.txt.
#include "platform/directory.hpp"

#include <cerrno>

#include <unistd.h>

namespace pipsweep::platform {

DirectoryResult current_directory(char* buffer, std::size_t capacity) {
  if (::getcwd(buffer, capacity) != nullptr) return DirectoryResult::ok;
  buffer[0] = '\0';
  return errno == ERANGE ? DirectoryResult::too_long : DirectoryResult::failed;
}

void set_current_directory(const char* path) {
  // As with the dialog's own restore, a failure here changes nothing useful.
  [[maybe_unused]] const int ignored = ::chdir(path);
}

}  // namespace pipsweep::platform
