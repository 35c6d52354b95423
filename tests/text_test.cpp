#include "readers/scan.hpp"
#include "readers/text_input.hpp"
#include "support/run.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace pipsweep::testing {
namespace {

using namespace std::string_literals;

// Every read of the file, at most room bytes at a time; the same whatever
// the size of the blocks the file is read in.
std::vector<std::string> reads_of(const std::string& bytes, std::size_t room) {
  TempDir dir;
  std::vector<std::vector<std::string>> results;
  for (const std::size_t block : {std::size_t{1} << 16, std::size_t{1}, std::size_t{2}, std::size_t{5}}) {
    TextInput input;
    EXPECT_TRUE(input.open(dir.write("input.txt", bytes).c_str()));
    input.set_block_size(block);
    std::vector<std::string>& reads = results.emplace_back();
    std::vector<char> buffer(room);
    for (std::string_view read; !(read = input.next_line(buffer)).empty();) reads.emplace_back(read);
    EXPECT_TRUE(input.next_line(buffer).empty()) << "read again after the end, blocks of " << block;
    EXPECT_EQ(reads, results.front()) << "blocks of " << block;
  }
  return results.front();
}

TEST(TextInput, ReadsLinesTheWayATextStreamDoes) {
  struct Case {
    const char* name;
    std::string bytes;
    std::size_t room;
    std::vector<std::string> reads;
  };
  const Case cases[] = {
      {"CR LF is one line end", "a\r\nb\r\n", kLineLength, {"a\n", "b\n"}},
      {"lone CR stays", "a\rb\r", kLineLength, {"a\rb\r"}},
      {"CR CR LF", "a\r\r\n", kLineLength, {"a\r\n"}},
      {"last line without line end", "a\nbc", kLineLength, {"a\n", "bc"}},
      {"full read leaves the line end", "abc\nd", 3, {"abc", "\n", "d"}},
      {"CR LF after a full read", "ab\r\nc", 2, {"ab", "\n", "c"}},
      {"CR LF whose CR fills the read", "a\r\nb", 2, {"a\n", "b"}},
      {"zero bytes are counted", "a\0b\nc"s, kLineLength, {"a\0b\n"s, "c"}},
      {"long line in pieces", std::string(2050, 'x') + "\n", kLineLength,
       {std::string(1023, 'x'), std::string(1023, 'x'), "xxxx\n"}},
      {"empty file", "", kLineLength, {}},
      {"Ctrl-Z ends the input", "a\nb\x1a\0\0c\n"s, kLineLength, {"a\n", "b"}},
      {"Ctrl-Z first", "\x1a" "a\n", kLineLength, {}},
      {"CR before Ctrl-Z stays", "a\r\x1a\n", kLineLength, {"a\r"}},
      {"byte order mark skipped", "\xEF\xBB\xBF" "a\n", kLineLength, {"a\n"}},
      {"byte order mark alone", "\xEF\xBB\xBF", kLineLength, {}},
      {"only at the very start", "a\n\xEF\xBB\xBF" "b", kLineLength, {"a\n", "\xEF\xBB\xBF" "b"}},
      {"start of a mark is text", "\xEF\xBB" "a", kLineLength, {"\xEF\xBB" "a"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(reads_of(c.bytes, c.room), c.reads);
  }
}

TEST(TextInput, CrLfAcrossTheInternalBuffer) {
  for (const std::size_t before : {65535u, 65536u, 131071u}) {
    SCOPED_TRACE(before);
    const std::string bytes = std::string(before, 'x') + "\r\ny\r";
    std::string joined;
    for (const std::string& piece : reads_of(bytes, kLineLength)) joined += piece;
    EXPECT_EQ(joined, std::string(before, 'x') + "\ny\r");
  }
}

TEST(TextInput, RefusesDirectoriesAndMissingFiles) {
  TempDir dir;
  TextInput input;
  EXPECT_FALSE(input.open(dir.path().c_str()));
  EXPECT_FALSE(input.open((dir.path() / "missing.pbn").c_str()));
  std::array<char, 8> buffer;
  EXPECT_TRUE(input.next_line(buffer).empty());
}

// A stream whose reads fail once the given number of bytes was delivered,
// like a file on a failing disk.
std::FILE* failing_stream(const std::string& bytes, std::size_t good) {
  struct Source {
    std::string bytes;
    std::size_t pos;
    std::size_t good;
  };
  cookie_io_functions_t io{};
  io.read = [](void* cookie, char* buffer, std::size_t size) -> ssize_t {
    auto* source = static_cast<Source*>(cookie);
    if (source->pos >= source->good) return -1;
    const std::size_t n = std::min({size, source->good - source->pos, source->bytes.size() - source->pos});
    std::memcpy(buffer, source->bytes.data() + source->pos, n);
    source->pos += n;
    return static_cast<ssize_t>(n);
  };
  io.close = [](void* cookie) {
    delete static_cast<Source*>(cookie);
    return 0;
  };
  return ::fopencookie(new Source{bytes, 0, good}, "rb", io);
}

TEST(TextInput, ReadErrorEndsTheInputAndIsKept) {
  // Half a megabyte, so the failure falls well after the first block.
  std::string bytes;
  while (bytes.size() < (1u << 19)) bytes += "line\n";
  for (const std::size_t good : {std::size_t{0}, std::size_t{100}, std::size_t{300000}}) {
    SCOPED_TRACE(good);
    TextInput input;
    input.attach(failing_stream(bytes, good));
    std::size_t delivered = 0;
    std::array<char, 15> buffer;
    for (std::string_view read; !(read = input.next_line(buffer)).empty();) delivered += read.size();
    EXPECT_TRUE(input.failed());
    EXPECT_LE(delivered, good);
  }
  TextInput whole;
  whole.attach(failing_stream("a\n", 2));
  std::array<char, 15> buffer;
  while (!whole.next_line(buffer).empty()) {
  }
  EXPECT_TRUE(whole.failed());  // the read after the last byte fails too
}

TEST(ScanDecimal, FollowsTheScanfRuleWithoutOverflow) {
  struct Case {
    std::string text;
    ScanResult result;
    std::int32_t value;  // expected value; 99 means untouched
    std::string rest;
  };
  const Case cases[] = {
      {" \t\n+7x", ScanResult::number, 7, "x"},
      {"-0", ScanResult::number, 0, ""},
      {"007", ScanResult::number, 7, ""},
      {"12\0 3"s, ScanResult::number, 12, ""},
      {"x1", ScanResult::none, 99, ""},
      {"- 1", ScanResult::none, 99, ""},
      {"+", ScanResult::none, 99, ""},
      {"", ScanResult::none, 99, ""},
      {"\0 5"s, ScanResult::none, 99, ""},
      {"2147483647", ScanResult::number, 2147483647, ""},
      {"-2147483648", ScanResult::number, -2147483647 - 1, ""},
      {"2147483648", ScanResult::too_large, 99, ""},
      {"-2147483649", ScanResult::too_large, 99, ""},
      {"4294967301", ScanResult::too_large, 99, ""},
      {std::string(40, '9') + "]", ScanResult::too_large, 99, "]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::int32_t value = 99;
    std::string_view rest;
    EXPECT_EQ(scan_decimal(c.text, value, &rest), c.result);
    EXPECT_EQ(value, c.value);
    if (c.result != ScanResult::none) {
      EXPECT_EQ(rest, c.rest);
    }
  }
}

}  // namespace
}  // namespace pipsweep::testing
