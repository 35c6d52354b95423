#include "deal/deal.hpp"
#include "driver/driver.hpp"

#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace pipsweep {

PathBuffer input_path{};
PathBuffer output_file_name{};

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

void print_instructions() {
  std::puts(kProgramTitle);
  std::puts("This program reads a bridge file and gives directives for dealing sorted decks");
  std::puts("Cards should be sorted in the order spades, hearts, diamonds, clubs,");
  std::puts("with the ace of spades on top and the 2 of clubs on the bottom.");
  std::puts("Take off the cards in sequential order");
  std::puts("The output of this program tells you where to put each card:");
  // %c prints a zero-byte symbol as the zero byte, as the writer does.
  std::printf("%c = North, %c = East, %c = South, %c = West\n", run_state.direction_symbols[0],
              run_state.direction_symbols[1], run_state.direction_symbols[2], run_state.direction_symbols[3]);
}

}  // namespace

int pipsweep_main(int argc, char** argv) {
  int option = 0;
  while ((option = ::getopt(argc, argv, kOptionString)) != -1) {
    switch (option) {
      case 'h':
        print_help();
        std::fflush(stdout);
        return 0;
      case 'p':
        run_state.pause_mode = 1;
        break;
      case 'd':
        // Fills with zero bytes when the argument is shorter than four.
        std::strncpy(run_state.direction_symbols.data(), ::optarg, 4);
        break;
      default:
        std::printf("option %c ignored\n", ::optopt);
        break;
    }
  }
  const char* operand = ::optind < argc ? argv[::optind] : nullptr;
  std::strcpy(output_file_name.data(), "_pipsweep.txt");
  print_instructions();
  return run_input(operand);
}

}  // namespace pipsweep
