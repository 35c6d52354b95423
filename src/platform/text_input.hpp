// The input file, read as text: a CR LF pair reads as one line end on every
// platform (a lone CR stays a CR), so every reader sees the same text
// whether the file was written on Windows or not.
#pragma once

#include <array>
#include <cstddef>
#include <cstdio>

namespace pipsweep {

class TextInput {
 public:
  TextInput() = default;
  TextInput(const TextInput&) = delete;
  TextInput& operator=(const TextInput&) = delete;
  ~TextInput();

  // Opens a regular file (or pipe) for reading; false when it cannot be
  // opened or is a directory.
  bool open(const char* path);
  bool is_open() const { return file_ != nullptr; }
  void close();

  // One read in the manner of fgets: at most limit - 1 bytes, stopping after
  // a line end, which is kept. Zero-terminates the buffer. Returns the number
  // of bytes read (which may include zero bytes), or -1 at the end of the
  // input or on a read error with nothing read.
  int read_text(char* buffer, int limit);

 private:
  int next_byte();
  bool fill();

  std::FILE* file_ = nullptr;
  std::array<unsigned char, 1 << 16> buffer_{};
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  bool failed_ = false;
};

}  // namespace pipsweep
