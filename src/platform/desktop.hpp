// The desktop services the tool uses: the file-open dialog and the
// end-of-run message box. Windows has both; elsewhere they are stood in for.
#pragma once

#include <cstddef>
#include <string>

namespace pipsweep::platform {

// Asks the user for a bridge file: the Windows file-open dialog; elsewhere
// the desktop's file chooser when a desktop and zenity are there, otherwise
// (also when zenity cannot open the display) one line from standard input.
// Returns an empty string when nothing was chosen. Names longer than
// max_length come back longer than max_length, never cut.
std::string choose_file(const char* start_directory, std::size_t max_length);

// The end-of-run message, waiting until the user closes it. On Windows a
// message box with the program's own icon; elsewhere always on standard
// error, and also as a desktop message where a desktop is available.
void show_message_box(const char* caption, const char* text, bool success);

}  // namespace pipsweep::platform
