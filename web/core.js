// Runs the core on one deal file, as the command line would, and collects
// what it prints, what it writes, each deal it writes and its end. The core
// runs in a worker (worker.js), made from the page's own text so that it
// starts from disk too; the page answers all the while.
'use strict';

window.Pipsweep = window.Pipsweep || {};

(() => {
  const CARDS = 52;

  // The deals as the core wrote them, growing while the file is read: board
  // numbers, and 52 hand codes a deal (0 North, 1 East, 2 South, 3 West, 4
  // none). numbers and hands are views of the deals read so far.
  class Deals {
    constructor() {
      this.numberSpace = new Int32Array(256);
      this.handSpace = new Uint8Array(256 * CARDS);
      this.count = 0;
    }
    get length() { return this.count; }
    get numbers() { return this.numberSpace.subarray(0, this.count); }
    get hands() { return this.handSpace.subarray(0, this.count * CARDS); }
    number(index) { return this.numberSpace[index]; }
    handsOf(index) { return this.handSpace.subarray(index * CARDS, (index + 1) * CARDS); }
    append(numbers, hands) {
      const count = this.count + numbers.length;
      if (count > this.numberSpace.length) {
        const capacity = Math.max(count, this.numberSpace.length * 2);
        const numberSpace = new Int32Array(capacity);
        numberSpace.set(this.numbers);
        const handSpace = new Uint8Array(capacity * CARDS);
        handSpace.set(this.hands);
        this.numberSpace = numberSpace;
        this.handSpace = handSpace;
      }
      this.numberSpace.set(numbers, this.count);
      this.handSpace.set(hands, this.count * CARDS);
      this.count = count;
    }
  }

  // The worker's script: the core, then worker.js, as the page carries them.
  let workerUrl = null;
  function startWorker() {
    if (workerUrl === null) {
      const text = document.getElementById('core-worker').textContent;
      workerUrl = URL.createObjectURL(new Blob([text], { type: 'text/javascript' }));
    }
    return new Worker(workerUrl);
  }

  // The run under way: a new run ends it, since its result would be
  // dropped anyway.
  let current = null;

  // A fresh worker, and so a fresh module, for every run: no state of an
  // earlier run is left. symbols is what -d gets; name and bytes are the
  // file. onDeals(deals) is called as deals arrive, with the same growing
  // deals the result holds. Resolves to { console, lines (where each
  // console line starts), box, exit, output, deals }, or to null for a run
  // that a later one ended.
  function runCore(name, bytes, symbols, onDeals = () => {}) {
    if (current !== null) current.cancel();
    const deals = new Deals();
    return new Promise((resolve, reject) => {
      const worker = startWorker();
      // Copying a large file to the worker takes a while: a task of its
      // own, apart from the hashing and keeping of the file that go with
      // its opening.
      const sending = setTimeout(() => worker.postMessage({ name, bytes, symbols }), 0);
      const finish = () => {
        clearTimeout(sending);
        worker.terminate();
        if (current === run) current = null;
      };
      const run = {
        cancel() {
          finish();
          resolve(null);
        },
      };
      current = run;
      worker.onmessage = ({ data }) => {
        if (data.type === 'deals') {
          deals.append(data.numbers, data.hands);
          onDeals(deals);
          return;
        }
        finish();
        if (data.type === 'end') {
          const { console: text, lines, box, exit, output } = data;
          resolve({ console: text, lines, box, exit, output, deals });
        } else {
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

  window.Pipsweep.runCore = runCore;
})();
