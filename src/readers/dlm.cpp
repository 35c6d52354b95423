#include "readers/dlm.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "readers/readers.hpp"

namespace pipsweep {

namespace {

constexpr std::string_view kDocumentKey = "[document]";
constexpr std::string_view kLastBoardKey = "to board";
constexpr std::string_view kBoardWord = "board";

// Each letter carries two cards.
constexpr int kDealLetters = kCardCount / 2;

constexpr char to_lower_ascii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The board number of a key whose first word is "board", or nothing for
// any other key. A board word without a number that fits in 32 bits gives
// board number 0, so such a deal is written without a board line instead
// of borrowing a number from an earlier key.
bool board_key_number(std::string_view key, std::int32_t& board) {
  std::size_t start = 0;
  while (start < key.size() && is_c_space(key[start])) ++start;
  std::size_t end = start;
  while (end < key.size() && !is_c_space(key[end])) ++end;
  if (key.substr(start, end - start) != kBoardWord) return false;
  std::int32_t number = 0;
  if (scan_decimal(key.substr(end), number) != ScanResult::number) number = 0;
  board = number;
  return true;
}

}  // namespace

int split_dlm_line(std::string_view line, DlmText& key, DlmText& value) {
  line = c_text(line);
  const std::size_t equals = line.find('=');
  std::string_view key_text = line.substr(0, equals);

  std::size_t n = 0;
  for (; n < key_text.size() && n < key.bytes.size() - 1; ++n) {
    // The first character always stays, so an empty line keeps its line end.
    if (n > 0 && is_end_byte(key_text[n])) break;
    key.bytes[n] = to_lower_ascii(key_text[n]);
  }
  key.bytes[n] = '\0';
  key.length = static_cast<int>(n);

  if (equals != std::string_view::npos) value.assign(line.substr(equals + 1));
  return 0;
}

int read_dlm_line(TextInput& input, DlmText& key, DlmText& value) {
  key.clear();
  value.clear();
  std::array<char, kLineLength> buffer;
  const std::string_view line = input.next_line(buffer);
  if (line.empty()) return -1;
  return split_dlm_line(line, key, value);
}

int decode_dlm_deal(std::string_view value, DealVector& deal) {
  for (int letter = 0; letter < kDealLetters; ++letter) {
    const auto at = static_cast<std::size_t>(letter);
    const char c = at < value.size() ? value[at] : '\0';
    if (c < 'a' || c > 'p') {
      std::fputs("error!", stdout);
      return -1;
    }
    const int bits = c - 'a';
    deal[2 * at] = bits / 4;
    deal[2 * at + 1] = bits % 4;
  }
  return 0;
}

ReadResult read_dlm_file(TextInput& input, DealWriter& writer) {
  bool document_found = false;
  std::int32_t last_board = 0;
  DlmText key;
  DlmText value;
  DealVector deal{};

  while (read_dlm_line(input, key, value) >= 0) {
    const std::string_view key_text = key.view();
    if (!document_found) {
      // Everything up to and including the document line is preamble.
      document_found = key_text == kDocumentKey;
      continue;
    }
    if (key_text == kLastBoardKey) {
      // A value without a number that fits in 32 bits keeps the old one.
      scan_decimal(value.view(), last_board);
      std::printf("last board = %d\n", last_board);
    }
    std::int32_t board = 0;
    if (!board_key_number(key_text, board)) continue;
    // Boards past the announced last one are not part of the set.
    if (board > last_board) return ReadResult::complete;
    if (decode_dlm_deal(value.view(), deal) < 0) return ReadResult::stopped;
    if (!writer.write_deal(deal, board)) return ReadResult::stopped;
  }
  if (!document_found) {
    std::puts("String [Document] not found!");
    return ReadResult::stopped;
  }
  return ReadResult::complete;
}

}  // namespace pipsweep
