// The double-dummy solver (DDS 2.9.0, third_party/dds) as the page and the
// native reference program call it: one deal in the project's hand codes,
// its table of tricks and its par. C functions, so that the WebAssembly
// build exports them as they are.
#pragma once

#include <cstdint>

extern "C" {

inline constexpr int kSolverDeclarers = 4;  // North, East, South, West
inline constexpr int kSolverStrains = 5;    // no trumps, spades, hearts, diamonds, clubs
inline constexpr int kSolverTricks = kSolverDeclarers * kSolverStrains;
inline constexpr int kSolverMostContracts = 10;
inline constexpr int kSolverContractText = 10;

// What a deal comes to. The page reads it from the module's memory, so its
// layout is fixed: 20 + 2 ints, then the contracts' text.
struct SolverAnswer {
  // Tricks declarer takes, [declarer * 5 + strain], declarers N E S W,
  // strains NT S H D C.
  std::int32_t tricks[kSolverTricks];
  // The par score from North-South's side; 0 for a board passed out.
  std::int32_t par_score;
  // Number of par contracts below.
  std::int32_t par_count;
  // Each par contract as DDS's DealerPar writes it, zero-terminated:
  // "3N-EW" (either of E and W makes exactly 3NT), "4S-N+1", "5C*-NS-2"
  // (doubled, two down), "5D-E-1" (a sacrifice only East can make, doubled,
  // one down), "pass" alone for a board passed out.
  char par_contracts[kSolverMostContracts][kSolverContractText];
};

// What the functions return besides DDS's own codes (dll.h: RETURN_NO_FAULT,
// 1, for success; negative for a fault).
inline constexpr int kSolverDone = 1;
inline constexpr int kSolverNotADeal = -1001;
inline constexpr int kSolverBadDealer = -1002;
inline constexpr int kSolverBadVulnerability = -1003;
inline constexpr int kSolverBadTricks = -1004;
inline constexpr int kSolverTooLittleMemory = -1005;

// Sets the solver up, once, before solver_solve: one thread, and the memory
// for its transposition table. memory_mb 0 lets DDS choose (where there is
// room, its large table: up to 160 MB, about a fifth faster); 30 to 120
// gives the small table (up to 30 MB); below 30 is refused.
inline constexpr int kSolverLeastMemory = 30;
int solver_start(int memory_mb);

// The table and par of a deal. hands: 52 hand codes (0 N, 1 E, 2 S, 3 W) by
// card index, suit * 13 + rank, suits S H D C, ranks ace to two; thirteen
// cards a hand. dealer: 0 to 3. vulnerability: 0 none, 1 NS, 2 EW, 3 all.
int solver_solve(const std::uint8_t* hands, int dealer, int vulnerability, SolverAnswer* answer);

// Par alone, from the tricks already in answer (0 to 13 each).
int solver_par(SolverAnswer* answer, int dealer, int vulnerability);

// The text of a code the functions above returned, into text (room for
// kSolverMessageSize characters with the terminating zero).
inline constexpr int kSolverMessageSize = 80;
void solver_message(int code, char* text);

}
