// Runs the core on one deal file, as the command line would, in a worker
// (worker.js) made from the page's own text so that it starts from disk
// too; the page answers all the while.
import { CARDS } from './cards.js';
import { startWorker } from './page-worker.js';

// The deals as the core wrote them, growing while the file is read: board
// numbers, 52 hand codes a deal, and the dealer (0 to 3) and vulnerability
// (0 None, 1 NS, 2 EW, 3 All) where the file gives them, -1 where not.
export class Deals {
  constructor() {
    this.capacity = 256;
    this.numberSpace = new Int32Array(this.capacity);
    this.handSpace = new Uint8Array(this.capacity * CARDS);
    this.dealerSpace = new Int8Array(this.capacity);
    this.vulnerabilitySpace = new Int8Array(this.capacity);
    this.length = 0;
  }

  get numbers() { return this.numberSpace.subarray(0, this.length); }
  number(index) { return this.numberSpace[index]; }
  handsOf(index) { return this.handSpace.subarray(index * CARDS, (index + 1) * CARDS); }
  // Every deal's hands, deal after deal.
  get hands() { return this.handSpace.subarray(0, this.length * CARDS); }
  dealer(index) { return this.dealerSpace[index]; }
  vulnerability(index) { return this.vulnerabilitySpace[index]; }

  append({ numbers, hands, dealers, vulnerabilities }) {
    const length = this.length + numbers.length;
    if (length > this.capacity) {
      this.capacity = Math.max(length, this.capacity * 2);
      const grow = (old, Type, per = 1) => {
        const space = new Type(this.capacity * per);
        space.set(old.subarray(0, this.length * per));
        return space;
      };
      this.numberSpace = grow(this.numberSpace, Int32Array);
      this.handSpace = grow(this.handSpace, Uint8Array, CARDS);
      this.dealerSpace = grow(this.dealerSpace, Int8Array);
      this.vulnerabilitySpace = grow(this.vulnerabilitySpace, Int8Array);
    }
    this.numberSpace.set(numbers, this.length);
    this.handSpace.set(hands, this.length * CARDS);
    this.dealerSpace.set(dealers, this.length);
    this.vulnerabilitySpace.set(vulnerabilities, this.length);
    this.length = length;
  }
}

// The run under way: a new run ends it, since its result would be dropped
// anyway.
let current = null;

// A fresh worker, and so a fresh module, for every run: no state of an
// earlier run is left. file is a Blob the worker reads; symbols what -d
// gets. on.key(key) comes first, then on.deals(deals, warnings) as deals
// arrive, with the same growing deals the result holds. Resolves to
// { console, lines, exit, output, diagnostics, deals }, or to null for a
// run that a later one ended.
export function runCore(name, file, symbols, on) {
  if (current !== null) current.cancel();
  const deals = new Deals();
  return new Promise((resolve, reject) => {
    // The core, then worker.js, as the page carries them.
    const worker = startWorker('core-worker');
    worker.postMessage({ name, file, symbols });
    const finish = () => {
      worker.terminate();
      if (current === run) current = null;
    };
    const run = {
      cancel() {
        finish();
        resolve(null);
      },
      fail(error) {
        finish();
        reject(error);
      },
    };
    current = run;
    worker.onmessage = ({ data }) => {
      if (data.type === 'bytes-wanted') {
        file.arrayBuffer().then((buffer) => worker.postMessage({ bytes: new Uint8Array(buffer) }, [buffer]),
          (error) => run.fail(error));
      } else if (data.type === 'key') {
        on.key(data.key);
      } else if (data.type === 'deals') {
        deals.append(data);
        on.deals(deals, data.warnings);
      } else if (data.type === 'end') {
        finish();
        const { console: text, lines, exit, output, diagnostics } = data;
        resolve({ console: text, lines, exit, output, diagnostics, deals });
      } else {
        finish();
        reject(new Error(data.message));
      }
    };
    worker.onerror = (event) => {
      event.preventDefault();
      finish();
      reject(new Error(event.message));
    };
  });
}
