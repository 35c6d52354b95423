// Between the project's deal and DDS's: hand codes by card index become
// DDS's rank bits per hand and suit; DDS's table (strains S H D C NT by
// hand) becomes the project's (declarers by strains NT S H D C); the
// project's vulnerability codes become DDS's.
#include "solver.hpp"

#include <array>
#include <cstring>

#include "dll.h"

namespace {

constexpr int kCards = 52;
constexpr int kRanks = 13;
constexpr int kMostTricks = 13;
// DDS counts a rank by its bit: 2 the two ... 14 the ace.
constexpr int kAceBit = 14;
// DDS's strain for no trumps; its suits are the project's suits.
constexpr int kDdsNoTrumps = 4;
constexpr int kLastVulnerability = 3;
// DDS's vulnerability codes (0 none, 1 both, 2 NS, 3 EW) by the project's
// (0 none, 1 NS, 2 EW, 3 all).
constexpr std::array<int, 4> kDdsVulnerability{0, 2, 3, 1};

int dds_strain(int strain) { return strain == 0 ? kDdsNoTrumps : strain - 1; }

bool seat_valid(int seat) { return seat >= 0 && seat < kSolverDeclarers; }

bool vulnerability_valid(int vulnerability) { return vulnerability >= 0 && vulnerability <= kLastVulnerability; }

int par_of(ddTableResults& table, int dealer, int vulnerability, SolverAnswer* answer) {
  // DDS leaves the score alone on a board passed out.
  parResultsDealer par{};
  const int result = DealerPar(&table, &par, dealer,
                               kDdsVulnerability[static_cast<std::size_t>(vulnerability)]);
  if (result != RETURN_NO_FAULT) return result;
  answer->par_score = par.score;
  answer->par_count = par.number;
  static_assert(sizeof answer->par_contracts == sizeof par.contracts);
  std::memcpy(answer->par_contracts, par.contracts, sizeof par.contracts);
  return kSolverDone;
}

}  // namespace

extern "C" {

int solver_start(int memory_mb) {
  // Below that DDS sets up no thread, and every solve fails.
  if (memory_mb != 0 && memory_mb < kSolverLeastMemory) return kSolverTooLittleMemory;
  // Threads 0: as many as DDS finds, which is one in this build.
  SetResources(memory_mb, 0);
  return kSolverDone;
}

int solver_solve(const std::uint8_t* hands, int dealer, int vulnerability, SolverAnswer* answer) {
  if (!seat_valid(dealer)) return kSolverBadDealer;
  if (!vulnerability_valid(vulnerability)) return kSolverBadVulnerability;
  ddTableDeal deal{};
  std::array<int, kSolverDeclarers> held{};
  for (int card = 0; card < kCards; ++card) {
    const int seat = hands[card];
    if (!seat_valid(seat)) return kSolverNotADeal;
    ++held[static_cast<std::size_t>(seat)];
    deal.cards[seat][card / kRanks] |= 1u << (kAceBit - card % kRanks);
  }
  for (const int count : held) {
    if (count != kRanks) return kSolverNotADeal;
  }
  ddTableResults table{};
  const int result = CalcDDtable(deal, &table);
  if (result != RETURN_NO_FAULT) return result;
  for (int declarer = 0; declarer < kSolverDeclarers; ++declarer) {
    for (int strain = 0; strain < kSolverStrains; ++strain) {
      answer->tricks[declarer * kSolverStrains + strain] = table.resTable[dds_strain(strain)][declarer];
    }
  }
  return par_of(table, dealer, vulnerability, answer);
}

int solver_par(SolverAnswer* answer, int dealer, int vulnerability) {
  if (!seat_valid(dealer)) return kSolverBadDealer;
  if (!vulnerability_valid(vulnerability)) return kSolverBadVulnerability;
  ddTableResults table{};
  for (int declarer = 0; declarer < kSolverDeclarers; ++declarer) {
    for (int strain = 0; strain < kSolverStrains; ++strain) {
      const int tricks = answer->tricks[declarer * kSolverStrains + strain];
      if (tricks < 0 || tricks > kMostTricks) return kSolverBadTricks;
      table.resTable[dds_strain(strain)][declarer] = tricks;
    }
  }
  return par_of(table, dealer, vulnerability, answer);
}

void solver_message(int code, char* text) {
  const char* own = nullptr;
  switch (code) {
    case kSolverNotADeal:
      own = "Not a deal: each hand needs thirteen cards";
      break;
    case kSolverBadDealer:
      own = "The dealer is not 0 to 3";
      break;
    case kSolverBadVulnerability:
      own = "The vulnerability is not 0 to 3";
      break;
    case kSolverBadTricks:
      own = "A number of tricks is not 0 to 13";
      break;
    case kSolverTooLittleMemory:
      own = "Too little memory for the solver";
      break;
    default:
      ErrorMessage(code, text);
      return;
  }
  std::strncpy(text, own, kSolverMessageSize - 1);
  text[kSolverMessageSize - 1] = '\0';
}

}
