// What every reader shares: the input stream, bounded reads from it, and the
// small scanning rules the formats have in common. Nothing here looks at a
// byte past the text that was actually read.
#pragma once

#include "deal/deal.hpp"
#include "platform/text_input.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pipsweep {

// The open input file; the driver opens it, the readers read it.
extern TextInput input_stream;

// Line buffers hold at most 1023 characters and the terminating zero.
inline constexpr int kLineBufferSize = 1024;

// The text up to its first zero byte, as the C string functions see it.
constexpr std::string_view c_text(std::string_view text) {
  return text.substr(0, text.find('\0'));
}

// A buffer filled by one read, with the number of bytes the read delivered.
template <std::size_t Size>
struct TextBuffer {
  std::array<char, Size> bytes{};
  int length = 0;

  std::string_view view() const { return {bytes.data(), static_cast<std::size_t>(length)}; }
  // The text as the C string functions see it: up to the first zero byte.
  std::string_view c_text() const { return pipsweep::c_text(view()); }

  void clear() {
    bytes[0] = '\0';
    length = 0;
  }
  // Stores as much of text as fits, zero-terminated.
  void assign(std::string_view text) {
    text = text.substr(0, Size - 1);
    text.copy(bytes.data(), text.size());
    bytes[text.size()] = '\0';
    length = static_cast<int>(text.size());
  }
};

// One read of at most Size - 1 bytes from the input stream, stopping after a
// line end (a line end after a full read is left for the next read).
// Returns the byte count, -1 at the end of the input or on a read error,
// -2 when no input stream is open.
int read_input_text(char* buffer, int size);

template <std::size_t Size>
int read_input_text(TextBuffer<Size>& text) {
  const int got = read_input_text(text.bytes.data(), static_cast<int>(Size));
  text.length = got > 0 ? got : 0;
  return got;
}

// The same read, with text set as TextInput::read_line sets it: the bytes
// read up to their first zero byte, without the line end, possibly viewed
// where they were read rather than in text's buffer. whole, when given,
// views every byte read, zero bytes included, without the line end.
int read_input_line(char* buffer, int size, std::string_view& text,
                    std::string_view* whole = nullptr);

// buffer only lends its bytes: text tells what was read.
template <std::size_t Size>
int read_input_line(TextBuffer<Size>& buffer, std::string_view& text,
                    std::string_view* whole = nullptr) {
  buffer.length = 0;
  return read_input_line(buffer.bytes.data(), static_cast<int>(Size), text, whole);
}

// A fixed-width record (BRI, DGE): one read of at most 128 characters.
inline constexpr std::size_t kFixedRecordBufferSize = 129;
using FixedRecord = TextBuffer<kFixedRecordBufferSize>;

// Reads the next record, passing over blank reads (see is_blank); record
// tells how many bytes the read delivered. Returns 0, or -1 at the end of
// the input or when the read fails.
int read_fixed_record(FixedRecord& record);

// A byte that ends a deal text: 31 or less taken as a signed 8-bit number,
// i.e. 0 to 31 and 128 to 255.
constexpr bool is_end_byte(char c) { return static_cast<signed char>(c) <= 31; }

// The white space of isspace in the C locale.
inline constexpr std::array<bool, 256> kCSpace = [] {
  std::array<bool, 256> table{};
  for (const char c : {' ', '\t', '\n', '\v', '\f', '\r'}) table[static_cast<unsigned char>(c)] = true;
  return table;
}();

constexpr bool is_c_space(char c) { return kCSpace[static_cast<unsigned char>(c)]; }

constexpr bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Nothing but white space and zero bytes: a blank line, or the padding
// between records or after the last one. Such a read is no record.
constexpr bool is_blank(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == '\0' || is_c_space(c); });
}

// Rank letters in rank-position order, ace first.
inline constexpr std::string_view kRankLetters = "AKQJT98765432";

// One entry per byte value, looked up on every card letter of every deal:
// the position of the byte in letters, or -1 when it is not among them.
constexpr std::array<std::int8_t, 256> letter_table(std::string_view letters) {
  std::array<std::int8_t, 256> table{};
  table.fill(-1);
  for (std::size_t i = 0; i < letters.size(); ++i) {
    table[static_cast<unsigned char>(letters[i])] = static_cast<std::int8_t>(i);
  }
  return table;
}

// Rank position of each byte: upper-case rank letters only, -1 for any other.
inline constexpr std::array<std::int8_t, 256> kRankOfByte = letter_table(kRankLetters);

// Where a reader places the cards of one deal while it reads its text: per
// suit the 13 cards and one spare place, on which a byte that is no card
// "places" its hand. So every byte takes the same path: whether a byte is a
// card or a separator cannot be guessed, and a wrong guess costs more than
// the store.
inline constexpr int kPlacesPerSuit = kRankCount + 1;
inline constexpr std::int8_t kSparePlace = kRankCount;

struct CardPlaces {
  std::array<HandCode, kSuitCount * kPlacesPerSuit> places;

  CardPlaces() { places.fill(kNoHand); }
  // suit_places is the suit times kPlacesPerSuit; place a rank position or
  // kSparePlace.
  void put(int suit_places, int place, HandCode hand) {
    places[static_cast<std::size_t>(suit_places + place)] = hand;
  }
  // The cards placed, every other entry kNoHand.
  void copy_to(DealVector& deal) const {
    for (int suit = 0; suit < kSuitCount; ++suit) {
      std::copy_n(places.begin() + suit * kPlacesPerSuit, kRankCount, deal.begin() + card_index(suit, 0));
    }
  }
};

// The place of each byte within its suit: its rank position when it is a
// rank letter, kSparePlace otherwise.
constexpr std::array<std::int8_t, 256> place_table(const std::array<std::int8_t, 256>& ranks) {
  std::array<std::int8_t, 256> table = ranks;
  for (std::int8_t& place : table) {
    if (place < 0) place = kSparePlace;
  }
  return table;
}

enum class ScanResult { none, number, too_large };

// The "%d" rule of sscanf on a bounded text: leading white space skipped,
// an optional sign, then the digits up to the first non-digit. A zero byte
// ends the text. Sets value only when a number fits in 32 bits; a number
// that does not fit is reported as too_large and leaves value untouched.
// When rest is given, it receives the text after the number.
ScanResult scan_decimal(std::string_view text, std::int32_t& value,
                        std::string_view* rest = nullptr);

}  // namespace pipsweep
