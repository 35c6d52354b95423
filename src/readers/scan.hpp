// The small scanning rules the formats have in common.
#pragma once

#include "deal/deal.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pipsweep {

// Lines are read at most 1023 characters at a time; the rest of a longer
// line is read as a line of its own.
inline constexpr std::size_t kLineLength = 1023;

// A fixed-width record (BRI, DGE) is read at most 128 characters at a time.
inline constexpr std::size_t kFixedRecordLength = 128;

// The text up to its first zero byte, as the C string functions see it.
constexpr std::string_view c_text(std::string_view text) { return text.substr(0, text.find('\0')); }

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
