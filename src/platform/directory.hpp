// The process's current directory: where the output file goes, and where a
// file chooser that moved it must leave it again.
#pragma once

#include <cstddef>

namespace pipsweep::platform {

enum class DirectoryResult { ok, too_long, failed };

// Copies the current directory into buffer (capacity bytes, zero-terminated).
DirectoryResult current_directory(char* buffer, std::size_t capacity);

void set_current_directory(const char* path);

}  // namespace pipsweep::platform
