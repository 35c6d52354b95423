#include "platform/directory.hpp"

#include <windows.h>

namespace pipsweep::platform {

DirectoryResult current_directory(char* buffer, std::size_t capacity) {
  const DWORD length = ::GetCurrentDirectoryA(static_cast<DWORD>(capacity), buffer);
  if (length != 0 && length < capacity) return DirectoryResult::ok;
  // On a too small buffer the call returns the size it needs and leaves the
  // buffer undefined.
  buffer[0] = '\0';
  return length == 0 ? DirectoryResult::failed : DirectoryResult::too_long;
}

void set_current_directory(const char* path) {
  // A failure here changes nothing useful: the output still goes where the
  // current directory is.
  ::SetCurrentDirectoryA(path);
}

}  // namespace pipsweep::platform
