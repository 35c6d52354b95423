// The input file, read the way a Windows text stream reads it, on every
// platform: a CR LF pair is one line end (a lone CR stays a CR), a Ctrl-Z
// byte ends the input, and a UTF-8 byte order mark before the first line is
// no text. So every reader sees the same text from the same file, whichever
// system wrote it and whichever runs the tool.
#pragma once

#include <cstddef>
#include <cstdio>
#include <span>
#include <string_view>
#include <vector>

namespace pipsweep {

class TextInput {
 public:
  TextInput();
  TextInput(const TextInput&) = delete;
  TextInput& operator=(const TextInput&) = delete;
  ~TextInput();

  // Opens a regular file for reading; false when it cannot be opened or is
  // a directory.
  bool open(const char* path);
  // Reads from a stream that is already open in binary mode, and closes it
  // at the end.
  void attach(std::FILE* file);
  // Reads the file in blocks of at most size bytes (1 up to 64 KiB, the
  // default). Small blocks let tests and fuzzing put a block edge anywhere.
  void set_block_size(std::size_t size);
  // True once a read of the file failed (as opposed to reaching its end).
  bool failed() const { return failed_; }

  // One read: the bytes up to and including the next line end, at most
  // buffer.size() of them; the rest of a longer line is left for the next
  // read. Returns the bytes read, zero bytes included, as a view of buffer;
  // empty at the end of the input or after a failed read.
  std::string_view next_line(std::span<char> buffer);
  // The next fixed-width record: the next read into buffer that holds more
  // than white space and zero bytes. Line ends and padding between records
  // are no record.
  std::string_view next_record(std::span<char> buffer);

 private:
  bool fill();

  std::FILE* file_ = nullptr;
  std::vector<char> block_;
  std::size_t block_size_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  bool at_end_ = false;   // end of file, Ctrl-Z or a read error seen
  bool at_start_ = true;  // nothing read yet: a byte order mark may come
  bool failed_ = false;
};

}  // namespace pipsweep
