#include "driver/driver.hpp"

#include <array>
#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace pipsweep {

namespace {

// "+" keeps GNU getopt from reordering: scanning stops at the first operand,
// so options after the file name are operands.
constexpr const char* kOptionString = "+pd:h";

void print_help() {
  std::printf("%s - by Olsveld\n", kProgramTitle);
  std::puts("command-line options:");
  std::puts(" -p : Pause after every deal. (Next: <Enter>; All: 'q')");
  std::puts(" -d \"string\" : Replace the 4 symbols T R D L for N E S W");
  std::puts(" -h : show this help, then quit");
}

void print_instructions(const DealWriter& writer) {
  std::puts(kProgramTitle);
  std::puts("This program reads a bridge file and gives directives for dealing sorted decks");
  std::puts("Cards should be sorted in the order spades, hearts, diamonds, clubs,");
  std::puts("with the ace of spades on top and the 2 of clubs on the bottom.");
  std::puts("Take off the cards in sequential order");
  std::puts("The output of this program tells you where to put each card:");
  // %c prints a zero-byte symbol as the zero byte, as the writer does.
  const std::array<char, 6>& symbols = writer.direction_symbols;
  std::printf("%c = North, %c = East, %c = South, %c = West\n", symbols[0], symbols[1], symbols[2], symbols[3]);
}

}  // namespace

int pipsweep_main(int argc, char** argv, DealWriter& writer) {
  int option = 0;
  while ((option = ::getopt(argc, argv, kOptionString)) != -1) {
    switch (option) {
      case 'h':
        print_help();
        std::fflush(stdout);
        return 0;
      case 'p':
        writer.pause_mode = true;
        break;
      case 'd':
        // Fills with zero bytes when the argument is shorter than four.
        std::strncpy(writer.direction_symbols.data(), ::optarg, 4);
        break;
      default:
        writer.put_formatted(TextKind::diagnostic, "option %c ignored\n", ::optopt);
        break;
    }
  }
  const char* operand = ::optind < argc ? argv[::optind] : nullptr;
  print_instructions(writer);
  return run_input(operand, writer);
}

}  // namespace pipsweep
