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

// The hands are copied at once: the heap may move with the next allocation.
EM_JS(void, hand_deal_to_page, (int board, const unsigned char* hands, int dealer, int vulnerability), {
  if (typeof Module["onDeal"] === "function") {
    Module["onDeal"](board, HEAPU8.slice(hands, hands + 52), dealer, vulnerability);
  }
});

EM_JS(void, hand_diagnostic_to_page, (const char* text), {
  if (typeof Module["onDiagnostic"] === "function") {
    Module["onDiagnostic"](UTF8ToString(text));
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

void show_deal(std::int32_t board, const std::uint8_t* hands, int dealer, int vulnerability) {
  hand_deal_to_page(board, hands, dealer, vulnerability);
}

void show_diagnostic(const char* text) { hand_diagnostic_to_page(text); }

}  // namespace pipsweep::platform
