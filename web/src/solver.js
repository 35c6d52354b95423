// The double-dummy solver's functions over one module that createDds
// (dds.js, web/solver/solver.cpp over DDS) made: a deal in, DDS's raw answer
// out. Used by solver-worker.js, and by the tests under Node.
import { CARDS } from './cards.js';

// The layout of SolverAnswer (solver.hpp): 20 tricks, the par score, the
// number of par contracts, then 10 contracts of 10 bytes each.
const TRICKS = 20;
const SCORE = TRICKS;
const COUNT = TRICKS + 1;
const CONTRACTS_AT = (TRICKS + 2) * 4;
const CONTRACT_BYTES = 10;
const MOST_CONTRACTS = 10;
const ANSWER_BYTES = CONTRACTS_AT + MOST_CONTRACTS * CONTRACT_BYTES;
const MESSAGE_BYTES = 80;
const DONE = 1;

// { solve(hands, dealer, vulnerability), par(tricks, dealer, vulnerability) },
// each returning { tricks, score, contracts }: tricks[declarer * 5 + strain]
// (N E S W; NT S H D C), score from North-South's side, contracts as DDS
// writes them ("4S*-EW-1", "3N-NS+1", "pass"). Throws on DDS's or the
// wrapper's refusal, with its text. memoryMB: see solver_start in
// solver.hpp; 0, DDS's choice, takes up to about 175 MB, 100 about 35 MB
// and a fifth more time.
export function makeSolver(module, memoryMB = 0) {
  const answer = module._malloc(ANSWER_BYTES);
  const hands = module._malloc(CARDS);
  const message = module._malloc(MESSAGE_BYTES);
  const text = (at, most) => {
    const bytes = module.HEAPU8.subarray(at, at + most);
    const end = bytes.indexOf(0);
    return String.fromCharCode(...bytes.subarray(0, end < 0 ? most : end));
  };
  const check = (code) => {
    if (code === DONE) return;
    module._solver_message(code, message);
    throw new Error(text(message, MESSAGE_BYTES));
  };
  // The heap's views are new after the memory grows: taken after each call.
  const read = (code) => {
    check(code);
    const ints = module.HEAP32.subarray(answer / 4, answer / 4 + COUNT + 1);
    const contracts = [];
    for (let i = 0; i < ints[COUNT]; ++i) contracts.push(text(answer + CONTRACTS_AT + i * CONTRACT_BYTES, CONTRACT_BYTES));
    return { tricks: Array.from(ints.subarray(0, TRICKS)), score: ints[SCORE], contracts };
  };
  check(module._solver_start(memoryMB));
  return {
    solve(handCodes, dealer, vulnerability) {
      module.HEAPU8.set(handCodes, hands);
      return read(module._solver_solve(hands, dealer, vulnerability, answer));
    },
    par(tricks, dealer, vulnerability) {
      module.HEAP32.set(tricks, answer / 4);
      return read(module._solver_par(answer, dealer, vulnerability));
    },
  };
}
