// The input and output that pipsweep cannot avoid, and nothing else: what a
// run would cost if reading and printing the deals were free.
//   pipsweep_floor FILE COUNT
// Reads FILE in 64 KiB blocks and writes COUNT deals, numbered from 1, to
// "_floor.txt" (header, "Board N" line and a 72-character direction line
// each, the same bytes as pipsweep's "_pipsweep.txt" for a generated file)
// and to standard output with one write per deal, as pipsweep flushes the
// console after every deal. The deals are spread over the blocks in
// proportion to the bytes read, so reading and writing interleave.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kBlockSize = 1 << 16;
constexpr char kLine[] =
    " TRD LTR DLT RDL T RDL TRD LTR DLT R DLT RDL TRD LTR D LTR DLT RDL TRD L\n";

// "Board N\n" for a positive N; returns its length.
std::size_t board_line(char* out, long board) {
  std::array<char, 24> digits{};
  std::size_t n = 0;
  do {
    digits[n++] = static_cast<char>('0' + board % 10);
    board /= 10;
  } while (board > 0);
  std::memcpy(out, "Board ", 6);
  std::size_t length = 6;
  while (n > 0) out[length++] = digits[--n];
  out[length++] = '\n';
  return length;
}

void write_deal(long board, std::FILE* file) {
  std::array<char, 128> deal{};
  std::size_t length = board_line(deal.data(), board);
  std::memcpy(deal.data() + length, kLine, sizeof kLine - 1);
  length += sizeof kLine - 1;
  if (::write(STDOUT_FILENO, deal.data(), length) < 0) std::exit(1);
  std::fwrite(deal.data(), 1, length, file);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: pipsweep_floor FILE COUNT\n", stderr);
    return 2;
  }
  const long count = std::atol(argv[2]);
  const int input = ::open(argv[1], O_RDONLY);
  struct stat info {};
  if (input < 0 || ::fstat(input, &info) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  std::FILE* file = std::fopen("_floor.txt", "w");
  if (file == nullptr) {
    std::perror("_floor.txt");
    return 1;
  }
  // The same output buffer as pipsweep's.
  std::setvbuf(file, nullptr, _IOFBF, kBlockSize);
  std::fprintf(file, "Pipsweep V1.2\nBridge file: %s\n", argv[1]);

  static std::array<char, kBlockSize> block{};
  const long long size = info.st_size > 0 ? info.st_size : 1;
  long long done = 0;
  long written = 0;
  for (;;) {
    const ssize_t got = ::read(input, block.data(), block.size());
    if (got < 0) {
      std::perror(argv[1]);
      return 1;
    }
    if (got == 0) break;
    done += got;
    const long due = static_cast<long>(static_cast<long double>(count) * done / size);
    while (written < due && written < count) write_deal(++written, file);
  }
  while (written < count) write_deal(++written, file);
  ::close(input);
  return std::fclose(file) == 0 ? 0 : 1;
}
