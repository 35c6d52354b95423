// The native reference for the page's double-dummy solver: reads deals from
// standard input, one a line,
//   <52 hand codes 0-3 by card index> <dealer 0-3> <vulnerability 0-3>
// e.g. "0123...3 0 2", and prints for each the line
//   <20 tricks as hex digits> <par score from NS's side> <par contracts>
// tricks by declarer N E S W, each strains NT S H D C; the contracts as DDS
// writes them ("4S-NS", "5C*-EW-2", "pass"). The WebAssembly build prints
// the same lines from the same wrapper (tests/dds.test.mjs). With --times,
// each line ends with the processor time the deal took, in milliseconds
// (bench/dds.mjs).
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <sstream>
#include <string>

#include "../web/solver/solver.hpp"

namespace {

constexpr int kCards = 52;
constexpr char kHexDigits[] = "0123456789abcdef";

bool parse(const std::string& line, std::uint8_t* hands, int& dealer, int& vulnerability) {
  std::istringstream fields(line);
  std::string codes;
  std::string rest;
  if (!(fields >> codes >> dealer >> vulnerability) || fields >> rest) return false;
  if (codes.size() != kCards) return false;
  for (int card = 0; card < kCards; ++card) {
    const char code = codes[static_cast<std::size_t>(card)];
    if (code < '0' || code > '3') return false;
    hands[card] = static_cast<std::uint8_t>(code - '0');
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const bool times = argc == 2 && std::string(argv[1]) == "--times";
  if (argc > 1 && !times) {
    std::fprintf(stderr, "usage: %s [--times] < deals\n", argv[0]);
    return EXIT_FAILURE;
  }
  solver_start(0);  // DDS's own choice of memory, which never fails
  std::string line;
  int number = 0;
  while (std::getline(std::cin, line)) {
    ++number;
    std::uint8_t hands[kCards];
    int dealer = 0;
    int vulnerability = 0;
    if (!parse(line, hands, dealer, vulnerability)) {
      std::fprintf(stderr, "line %d: not 52 hand codes, a dealer and a vulnerability\n", number);
      return EXIT_FAILURE;
    }
    SolverAnswer answer{};
    const std::clock_t started = std::clock();
    const int result = solver_solve(hands, dealer, vulnerability, &answer);
    if (result != kSolverDone) {
      char message[kSolverMessageSize];
      solver_message(result, message);
      std::fprintf(stderr, "line %d: %s\n", number, message);
      return EXIT_FAILURE;
    }
    std::string out;
    for (const int tricks : answer.tricks) out += kHexDigits[tricks];
    out += ' ' + std::to_string(answer.par_score);
    for (int i = 0; i < answer.par_count; ++i) out += std::string(" ") + answer.par_contracts[i];
    if (times) out += ' ' + std::to_string((std::clock() - started) * 1000 / CLOCKS_PER_SEC);
    std::cout << out << '\n';
  }
  return EXIT_SUCCESS;
}
