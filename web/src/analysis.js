// A board's double-dummy analysis as plain data: from the solver's raw
// answer (solver.js: tricks, par score, DDS's par contract texts) to the
// record the page keeps, and from the record to the PBN tags of a hand
// record. No page, no solver: plain functions.
import { HANDS, SEATS } from './cards.js';

// Strains in the order of the record and of PBN's tables: no trumps, then
// the suits from spades down.
export const STRAINS = ['NT', 'S', 'H', 'D', 'C'];
// A strain in a contract, as DDS and PBN's ParContract write it.
const STRAIN_LETTERS = 'NSHDC';

// DDS's par contract: level, strain, "*" if doubled, the declarer or
// declarers, then overtricks or undertricks. "3N-NS", "4S-N+1", "5C*-EW-2",
// and for a sacrifice only one player can make, "5D-E-1".
const DDS_CONTRACT = /^([1-7])([NSHDC])\*?-(NS|EW|[NESW])(?:([+-])(\d+))?$/;
const PASSED_OUT = 'pass';

// { level, strain (index in STRAINS), side (0 NS, 1 EW), declarers (seat
// indices: both of a side where either makes it), doubled, overtricks,
// undertricks }. A par contract that goes down is a doubled sacrifice.
export function parContract(text) {
  const match = DDS_CONTRACT.exec(text);
  if (match === null) throw new Error(`Not a par contract: ${text}`);
  const [, level, strain, seats, sign, count] = match;
  const declarers = [...seats].map((seat) => SEATS.indexOf(seat));
  const undertricks = sign === '-' ? Number(count) : 0;
  return {
    level: Number(level),
    strain: STRAIN_LETTERS.indexOf(strain),
    side: declarers[0] % 2,
    declarers,
    doubled: undertricks > 0,
    overtricks: sign === '+' ? Number(count) : 0,
    undertricks,
  };
}

// The record: tricks[declarer][strain] (declarers N E S W, strains as
// STRAINS), and par { ns: the score from North-South's side, contracts:
// none for a board passed out }.
export function analysisOf({ tricks, score, contracts }) {
  return {
    tricks: SEATS.map((seat, declarer) => tricks.slice(declarer * STRAINS.length, (declarer + 1) * STRAINS.length)),
    par: { ns: score, contracts: contracts.filter((text) => text !== PASSED_OUT).map(parContract) },
  };
}

// DoubleDummyTricks: one hex digit a declarer and strain, declarers N, S,
// E, W, each strains NT, S, H, D, C.
const PBN_DECLARERS = [0, 2, 1, 3];
export function doubleDummyTricks({ tricks }) {
  return PBN_DECLARERS.map((declarer) => tricks[declarer].map((count) => count.toString(16)).join('')).join('');
}

// OptimumScore: the par score from the side that scores it; "NS 0" for a
// board passed out.
export function optimumScore({ par }) {
  return par.ns < 0 ? `EW ${-par.ns}` : `NS ${par.ns}`;
}

// ParContract: "NS 4S", "EW 3N+1", "N 4SX-3"; several joined by "; ";
// "Pass" for a board passed out.
export function parContracts({ par }) {
  if (par.contracts.length === 0) return 'Pass';
  return par.contracts.map(({ level, strain, declarers, doubled, overtricks, undertricks }) => {
    const seats = declarers.map((seat) => SEATS[seat]).join('');
    const result = undertricks > 0 ? `-${undertricks}` : overtricks > 0 ? `+${overtricks}` : '';
    return `${seats} ${level}${STRAIN_LETTERS[strain]}${doubled ? 'X' : ''}${result}`;
  }).join('; ');
}

// OptimumResultTable's rows, "N NT 9": declarers N, E, S, W, each strains
// NT, S, H, D, C.
export function optimumResultRows({ tricks }) {
  const rows = [];
  for (let declarer = 0; declarer < HANDS; ++declarer) {
    STRAINS.forEach((strain, index) => rows.push(`${SEATS[declarer]} ${strain} ${tricks[declarer][index]}`));
  }
  return rows;
}

// The four tags of a hand record, as lines of a PBN file.
export function analysisTags(analysis) {
  return [
    `[DoubleDummyTricks "${doubleDummyTricks(analysis)}"]`,
    `[OptimumScore "${optimumScore(analysis)}"]`,
    `[ParContract "${parContracts(analysis)}"]`,
    '[OptimumResultTable "Declarer;Denomination\\2R;Result\\2R"]',
    ...optimumResultRows(analysis),
  ];
}
