#include "platform/text_input.hpp"

#include <algorithm>
#include <cstring>

#include <sys/stat.h>

namespace pipsweep {

namespace {

// Ctrl-Z: DOS-era files end with it (and NUL padding behind it).
constexpr char kEndOfText = '\x1a';

// Windows editors start a UTF-8 file with these bytes; they are no text.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The first c in [from, to), or to.
const char* find_byte(const char* from, const char* to, char c) {
  const void* found = std::memchr(from, c, static_cast<std::size_t>(to - from));
  return found != nullptr ? static_cast<const char*>(found) : to;
}

}  // namespace

TextInput::~TextInput() { close(); }

bool TextInput::open(const char* path) {
  close();
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
  close();
  file_ = file;
}

void TextInput::set_block_size(std::size_t size) {
  block_size_ = std::clamp<std::size_t>(size, 1, buffer_.size());
}

void TextInput::close() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  pos_ = end_ = zero_ = 0;
  at_end_ = failed_ = false;
  at_start_ = true;
}

bool TextInput::fill() {
  if (at_end_ || file_ == nullptr) return false;
  pos_ = 0;
  end_ = std::fread(buffer_.data(), 1, block_size_, file_);
  if (at_start_) skip_byte_order_mark();
  if (end_ == 0) {
    at_end_ = true;
    failed_ = std::ferror(file_) != 0;
    return false;
  }
  // Ctrl-Z ends the input: the block ends there and nothing more is read.
  // Looked for once per block rather than in every line.
  if (const void* stop = std::memchr(buffer_.data(), kEndOfText, end_); stop != nullptr) {
    end_ = static_cast<std::size_t>(static_cast<const char*>(stop) - buffer_.data());
    at_end_ = true;
  }
  zero_ = static_cast<std::size_t>(find_byte(buffer_.data(), buffer_.data() + end_, '\0') - buffer_.data());
  return end_ > 0;
}

// Called once, on the first block: reads on until the block is long enough
// to tell, since a small block may end inside the mark.
void TextInput::skip_byte_order_mark() {
  at_start_ = false;
  while (end_ > 0 && end_ < kByteOrderMark.size()) {
    const std::size_t got = std::fread(buffer_.data() + end_, 1, kByteOrderMark.size() - end_, file_);
    if (got == 0) break;
    end_ += got;
  }
  if (std::string_view(buffer_.data(), end_).starts_with(kByteOrderMark)) pos_ = kByteOrderMark.size();
}

// Inline: it is on the path of every line of every file.
inline std::string_view TextInput::line_in_block(std::size_t room, bool& scanned) {
  scanned = false;
  if (pos_ == end_ || failed_) return {};
  const char* from = buffer_.data() + pos_;
  const char* to = from + std::min(end_ - pos_, room);
  const char* line_end = find_byte(from, to, '\n');
  scanned = true;
  if (line_end == to) return {};
  auto length = static_cast<std::size_t>(line_end - from);
  pos_ += length + 1;
  if (length > 0 && line_end[-1] == '\r') --length;
  return {from, length};
}

int TextInput::read_pieces(char* buffer, std::size_t room, bool scanned) {
  std::size_t count = 0;
  while (count < room) {
    if (pos_ == end_ && !fill()) break;
    // Copy in one go up to the first byte that needs a look.
    const char* from = buffer_.data() + pos_;
    const char* to = from + std::min(end_ - pos_, room - count);
    // line_in_block may have found already that the first piece holds no LF.
    const char* stop = scanned ? to : find_byte(from, to, '\n');
    scanned = false;
    // Only a CR right before the line end, or the last byte at hand (whose
    // LF may lie further on), can start a CR LF pair; any other CR is
    // followed by some other byte and stays as it is.
    if (stop != from && stop[-1] == '\r') --stop;
    const auto plain = static_cast<std::size_t>(stop - from);
    std::memcpy(buffer + count, from, plain);
    count += plain;
    pos_ += plain;
    if (stop == to) continue;
    ++pos_;
    if (*stop == '\r') {
      // CR LF is one line end; the LF may lie in the next block of the file.
      if (pos_ == end_) fill();
      if (pos_ < end_ && buffer_[pos_] == '\n') {
        ++pos_;
        buffer[count++] = '\n';
        break;
      }
      buffer[count++] = '\r';
      continue;
    }
    buffer[count++] = '\n';
    break;
  }
  buffer[count] = '\0';
  if (failed_ || count == 0) return -1;
  return static_cast<int>(count);
}

int TextInput::read_text(char* buffer, int limit) {
  if (file_ == nullptr || limit < 2) return -1;
  const auto room = static_cast<std::size_t>(limit - 1);
  // Most lines lie whole in the block at hand: one scan and one copy.
  bool scanned = false;
  if (const std::string_view line = line_in_block(room, scanned); line.data() != nullptr) {
    line.copy(buffer, line.size());
    buffer[line.size()] = '\n';
    buffer[line.size() + 1] = '\0';
    return static_cast<int>(line.size() + 1);
  }
  return read_pieces(buffer, room, scanned);
}

int TextInput::read_line(char* buffer, int limit, std::string_view& text, std::string_view* whole) {
  text = {};
  if (file_ == nullptr || limit < 2) return -1;
  const auto room = static_cast<std::size_t>(limit - 1);
  bool scanned = false;
  if (const std::string_view line = line_in_block(room, scanned); line.data() != nullptr) {
    // The line is looked at where it lies, up to its first zero byte.
    const auto offset = static_cast<std::size_t>(line.data() - buffer_.data());
    if (zero_ < offset) {
      zero_ = static_cast<std::size_t>(find_byte(line.data(), buffer_.data() + end_, '\0') - buffer_.data());
    }
    text = line.substr(0, zero_ - offset);
    if (whole != nullptr) *whole = line;
    return static_cast<int>(line.size() + 1);
  }
  const int got = read_pieces(buffer, room, scanned);
  if (got > 0) {
    auto got_length = static_cast<std::size_t>(got);
    if (buffer[got_length - 1] == '\n') --got_length;
    text = {buffer, static_cast<std::size_t>(find_byte(buffer, buffer + got_length, '\0') - buffer)};
    if (whole != nullptr) *whole = {buffer, got_length};
  }
  return got;
}

}  // namespace pipsweep
