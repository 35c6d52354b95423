#include "platform/desktop.hpp"

#include <cstdio>

#include <emscripten.h>

namespace pipsweep::platform {

namespace {

// The page shows the end of the run itself; without a page (say under
// Node) the box is simply not shown.
EM_JS(void, hand_box_to_page, (const char* caption, const char* text, int success), {
  if (typeof Module["onMessageBox"] === "function") {
    Module["onMessageBox"](UTF8ToString(caption), UTF8ToString(text), success !== 0);
  }
});

}  // namespace

// The page hands over the file as the operand; there is nothing to choose
// from here.
std::string choose_file(const char* /*start_directory*/, std::size_t /*max_length*/) { return {}; }

void show_message_box(const char* caption, const char* text, bool success) {
  // The console text is complete before the page shows the end of the run.
  std::fflush(stdout);
  hand_box_to_page(caption, text, success ? 1 : 0);
}

}  // namespace pipsweep::platform
