// libFuzzer target for one deal-file reader, named at compile time by
// PIPSWEEP_FUZZ_READER (e.g. read_pbn_file); PIPSWEEP_FUZZ_MARKS is 1 for a
// format whose files give dealer and vulnerability. The reader writes into
// a recording sink. Besides the sanitizers it checks what every reader owes
// the user: every card goes to a hand or to none, the marks are ones the
// page can show (and none from a format without them), a deal that is no
// bridge deal is the last thing the reader hands over and stops it, and a
// reader that stops on bad data says why.
#include "readers/readers.hpp"
#include "support/recording.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#ifndef PIPSWEEP_FUZZ_READER
#error "PIPSWEEP_FUZZ_READER must name the reader to fuzz"
#endif
#ifndef PIPSWEEP_FUZZ_MARKS
#error "PIPSWEEP_FUZZ_MARKS must say whether the format gives dealer and vulnerability"
#endif

namespace {

using pipsweep::testing::RecordedDeal;
using pipsweep::testing::RecordedText;
using pipsweep::testing::RecordingSink;

// What the reader handed over, in order, for the report of a broken invariant.
std::string transcript(const RecordingSink& sink) {
  std::string text;
  std::size_t next_text = 0;
  const auto texts_up_to = [&](std::size_t deals) {
    for (; next_text < sink.texts.size() && sink.texts[next_text].after_deals == deals; ++next_text) {
      const bool note = sink.texts[next_text].kind == pipsweep::TextKind::note;
      text += (note ? "note: " : "diagnostic: ") + sink.texts[next_text].text + "\n";
    }
  };
  for (std::size_t i = 0; i < sink.deals.size(); ++i) {
    texts_up_to(i);
    const RecordedDeal& deal = sink.deals[i];
    text += "deal board " + std::to_string(deal.board) + " dealer " + std::to_string(deal.marks.dealer) +
            " vulnerability " + std::to_string(static_cast<int>(deal.marks.vulnerability)) +
            (deal.bridge_deal ? "" : " (no bridge deal)") + ":";
    for (const pipsweep::HandCode hand : deal.deal) text += " " + std::to_string(hand);
    text += "\n";
  }
  texts_up_to(sink.deals.size());
  return text;
}

[[noreturn]] void broken(const char* what, const RecordingSink& sink) {
  const std::string text = transcript(sink);
  std::fprintf(stderr, "\nBROKEN INVARIANT: %s\n--- what the reader handed over ---\n%s--- end ---\n", what,
               text.c_str());
  std::fflush(stderr);
  __builtin_trap();
}

void check_run(const RecordingSink& sink, pipsweep::ReadResult result) {
  using namespace pipsweep;
  for (const RecordedDeal& deal : sink.deals) {
    const auto no_code = [](HandCode hand) { return hand < kNorth || hand > kNoHand; };
    if (std::any_of(deal.deal.begin(), deal.deal.end(), no_code)) {
      broken("a card with a hand code that is neither a hand nor none", sink);
    }
    const bool dealer_given = deal.marks.dealer >= kNorth && deal.marks.dealer <= kWest;
    if (!dealer_given && deal.marks.dealer != kNoHand) broken("a dealer that is neither a hand nor none", sink);
    const int vulnerability = static_cast<int>(deal.marks.vulnerability);
    if (vulnerability < static_cast<int>(Vulnerability::not_given) ||
        vulnerability > static_cast<int>(Vulnerability::all)) {
      broken("a vulnerability out of range", sink);
    }
    if (!PIPSWEEP_FUZZ_MARKS && (dealer_given || deal.marks.vulnerability != Vulnerability::not_given)) {
      broken("marks from a format that gives none", sink);
    }
  }
  for (const RecordedText& text : sink.texts) {
    if (text.text.empty()) broken("an empty text", sink);
  }

  // A refused deal: the reading stops right there, and says so.
  const std::size_t deals = sink.deals.size();
  for (std::size_t i = 0; i + 1 < deals; ++i) {
    if (!sink.deals[i].bridge_deal) broken("the reader went on after a refused deal", sink);
  }
  const bool last_refused = deals > 0 && !sink.deals.back().bridge_deal;
  const bool text_last = !sink.texts.empty() && sink.texts.back().after_deals == deals;
  if (last_refused && text_last) broken("a text after a refused deal", sink);
  const bool stopped = result == ReadResult::stopped;
  if (last_refused && !stopped) broken("refused deal, yet the reader reports success", sink);

  // A stop on bad data is never taken for the end of the file, and never
  // happens without a word: a diagnostic, or the refused deal's warning.
  const bool diagnostic_last = text_last && sink.texts.back().kind == TextKind::diagnostic;
  if (stopped && !last_refused && !diagnostic_last) broken("the reader stopped on bad data without saying why", sink);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pipsweep;

  // fmemopen refuses an empty buffer on some C libraries; an empty file is
  // what /dev/null reads as.
  std::vector<char> bytes(data, data + size);
  std::FILE* input = size == 0 ? std::fopen("/dev/null", "rb") : fmemopen(bytes.data(), bytes.size(), "rb");
  if (input == nullptr) {
    std::perror("harness input");
    std::abort();
  }
  // A fresh run: its own text input and sink.
  TextInput text_input;
  text_input.attach(input);
  // Most inputs are read as a file is, in one block; the others in small
  // blocks, so that block edges fall anywhere in a line.
  text_input.set_block_size(size % 3 == 0 ? std::size_t{1} << 16 : 1 + size / 3 % 128);
  RecordingSink sink;
  const ReadResult result = PIPSWEEP_FUZZ_READER(text_input, sink);
  check_run(sink, result);
  return 0;
}
