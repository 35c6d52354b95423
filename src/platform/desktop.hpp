// The desktop services the tool uses: the file-open dialog, the end-of-run
// message box, and the page that shows each deal and each diagnostic.
// Windows has the first two; elsewhere they are stood in for.
#pragma once

#include <cstddef>
#include <cstdint>
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

// A mark of a board (dealer, vulnerability) that its file does not give.
inline constexpr int kNotGiven = -1;

// One deal as written: its board number (0 for none), the hand of each of
// its 52 cards (0 North to 3 West, 4 for none), the dealer as the file gives
// it (0 North to 3 West) and the vulnerability (0 None, 1 North-South, 2
// East-West, 3 All); either mark kNotGiven. The page lays out the board from
// these; a console has nothing more to show and ignores them.
void show_deal(std::int32_t board, const std::uint8_t* hands, int dealer, int vulnerability);

// A diagnostic exactly as the console got it, line ends included (some
// have none), in order with the deals. The page quotes it; a console has
// shown it already.
void show_diagnostic(const char* text);

}  // namespace pipsweep::platform
