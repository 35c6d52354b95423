// The input file, read the way a Windows text stream reads it, on every
// platform: a CR LF pair is one line end (a lone CR stays a CR), and a
// Ctrl-Z byte ends the input. So every reader sees the same text from the
// same file, whichever system wrote it and whichever runs the tool.
#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <string_view>

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
  // Reads from a stream that is already open (opened in binary mode); the
  // TextInput closes it.
  void attach(std::FILE* file);
  bool is_open() const { return file_ != nullptr; }
  void close();

  // Reads the file in blocks of at most size bytes (1 up to the 64 KiB the
  // buffer holds, the default). Small blocks let tests and fuzzing put a
  // block edge anywhere in a line.
  void set_block_size(std::size_t size);

  // True once a read of the file failed (as opposed to reaching its end).
  bool failed() const { return failed_; }

  // One read in the manner of fgets: at most limit - 1 bytes, stopping after
  // a line end, which is kept. Zero-terminates the buffer. Returns the number
  // of bytes read (which may include zero bytes), or -1 at the end of the
  // input or on a read error with nothing read.
  int read_text(char* buffer, int limit);
  // The same read, for a reader that needs neither a copy of the line nor
  // its line end: text receives the bytes read up to the first zero byte
  // among them and without the line end. Where the line lies whole in the
  // block at hand, text views it there and buffer is left alone; otherwise
  // text views buffer. whole, when given, views the same line not cut at a
  // zero byte. Both last until the next read.
  int read_line(char* buffer, int limit, std::string_view& text, std::string_view* whole = nullptr);

 private:
  bool fill();
  void skip_byte_order_mark();
  // The line at hand when it ends within the block and within room bytes,
  // without its line end (a CR before the LF left off), with the read
  // position moved past it. Otherwise a view with no data: nothing is read,
  // and scanned tells whether the bytes at hand were found to hold no LF.
  std::string_view line_in_block(std::size_t room, bool& scanned);
  // The general read, piece by piece across blocks; scanned as line_in_block
  // left it.
  int read_pieces(char* buffer, std::size_t room, bool scanned);

  std::FILE* file_ = nullptr;
  std::array<char, 1 << 16> buffer_{};
  std::size_t block_size_ = buffer_.size();
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  // The first zero byte in the block at or after pos_, or end_ for none;
  // only while it is not behind pos_, else it is looked for again.
  std::size_t zero_ = 0;
  bool at_end_ = false;  // end of file, Ctrl-Z or a read error seen
  bool at_start_ = true;  // nothing read yet: a byte order mark may come
  bool failed_ = false;
};

}  // namespace pipsweep
