// The double-dummy analysis of a session's boards, as functions of the one
// state: which boards to solve, the board shown first, and what the solver
// found. A board that is no bridge deal is not solved.
import { HANDS, SEATS, isBridgeDeal } from './cards.js';
import { MAX_PRINT_BOARDS, VULNERABILITIES } from './session.js';
import { hasDeals } from './dealing.js';
import { marksOf } from './names.js';

// What a board's analysis may be instead of one: no bridge deal, or the
// solver's refusal.
export const NOT_A_DEAL = 'not-a-deal';

// The boards analysed at a time, as many as one print holds: the range's,
// or where it holds more, those from the board shown on. The board shown
// comes first, then those after it, then those before.
export function boardsToAnalyse(state) {
  if (!hasDeals(state) || state.run.end === null) return [];
  const { first, last } = state.sequence;
  const shown = state.sequence.deals[state.position];
  const start = last - first + 1 <= MAX_PRINT_BOARDS ? first : Math.min(shown, last - MAX_PRINT_BOARDS + 1);
  const end = Math.min(last, start + MAX_PRINT_BOARDS - 1);
  const deals = [];
  for (let deal = shown; deal <= end; ++deal) deals.push(deal);
  for (let deal = start; deal < shown; ++deal) deals.push(deal);
  return deals;
}

// How far the analysis of those boards is: { done, total }.
export function analysisProgress(state) {
  const deals = boardsToAnalyse(state);
  return { done: deals.filter((deal) => state.analyses.has(deal)).length, total: deals.length };
}

// The dealer (0-3) and vulnerability (0-3) the solver needs for par: the
// file's, else the board number's; North and none for a board without.
export function parMarks(deals, deal) {
  const { dealer, vulnerability } = marksOf(deals, deal);
  return {
    dealer: Math.max(0, SEATS.indexOf(dealer)) % HANDS,
    vulnerability: Math.max(0, VULNERABILITIES.indexOf(vulnerability)),
  };
}

// The boards still to solve, the first first, as jobs for the solver; a
// board that is no bridge deal is marked so instead.
export function analysisJobs(state) {
  const jobs = [];
  for (const deal of boardsToAnalyse(state)) {
    if (state.analyses.has(deal)) continue;
    const hands = state.deals.handsOf(deal);
    if (!isBridgeDeal(hands)) {
      state.analyses.set(deal, NOT_A_DEAL);
      continue;
    }
    jobs.push({ id: `${state.file.key}:${deal}`, deal, hands: Uint8Array.from(hands), ...parMarks(state.deals, deal) });
  }
  return jobs;
}

// The solver's answer for a job: taken when it is of the file shown.
export function takeAnalysis(state, job, { analysis, error }) {
  if (state.file === null || job.id !== `${state.file.key}:${job.deal}`) return false;
  state.analyses.set(job.deal, analysis ?? { error });
  return true;
}
