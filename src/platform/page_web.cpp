#include "platform/page.hpp"

#include <emscripten.h>

namespace pipsweep::platform {

namespace {

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

void show_deal(std::int32_t board, const std::uint8_t* hands, int dealer, int vulnerability) {
  hand_deal_to_page(board, hands, dealer, vulnerability);
}

void show_diagnostic(const char* text) { hand_diagnostic_to_page(text); }

}  // namespace pipsweep::platform
