#include "platform/text_input.hpp"

#include <sys/stat.h>

namespace pipsweep {

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
  file_ = file;
  pos_ = end_ = 0;
  failed_ = false;
  return true;
}

void TextInput::close() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  pos_ = end_ = 0;
}

bool TextInput::fill() {
  if (failed_ || file_ == nullptr) return false;
  end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
  pos_ = 0;
  if (end_ == 0) {
    failed_ = std::ferror(file_) != 0;
    return false;
  }
  return true;
}

int TextInput::next_byte() {
  if (pos_ == end_ && !fill()) return -1;
  const int c = buffer_[pos_++];
  if (c != '\r') return c;
  // CR LF is one line end; the LF may lie in the next block of the file.
  if (pos_ == end_ && !fill()) return c;
  if (buffer_[pos_] == '\n') {
    ++pos_;
    return '\n';
  }
  return c;
}

int TextInput::read_text(char* buffer, int limit) {
  if (file_ == nullptr || limit < 2) return -1;
  int count = 0;
  while (count < limit - 1) {
    const int c = next_byte();
    if (c < 0) break;
    buffer[count++] = static_cast<char>(c);
    if (c == '\n') break;
  }
  buffer[count] = '\0';
  if (failed_ || count == 0) return -1;
  return count;
}

}  // namespace pipsweep
