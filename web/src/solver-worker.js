// The double-dummy solver's side of a board's analysis, in a worker of its
// own: solving a deal takes from a few hundredths of a second to several
// seconds. The worker's script is dds.js (which defines createDds)
// followed by this file, both carried in the page as the element
// "solver-worker".
//
// The page first sends { memoryMB } (solver.js's makeSolver: 0 for DDS's
// large tables, 100 for its small ones), then { id, hands, dealer,
// vulnerability } (52 hand codes, 0 to 3 each, and the board's marks, 0 to
// 3 each) and gets, in the same order, { id, analysis } (analysis.js) or
// { id, error } with the solver's text.
import { analysisOf } from './analysis.js';
import { makeSolver } from './solver.js';

let solver = null;

self.onmessage = ({ data }) => {
  if (data.memoryMB !== undefined) {
    solver = self.createDds().then((module) => makeSolver(module, data.memoryMB));
    return;
  }
  const {
    id, hands, dealer, vulnerability,
  } = data;
  solver.then((dds) => self.postMessage({ id, analysis: analysisOf(dds.solve(hands, dealer, vulnerability)) }))
    .catch((error) => self.postMessage({ id, error: String(error.message ?? error) }));
};
