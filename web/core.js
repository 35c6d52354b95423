// Runs the core on one deal file, as the command line would, and collects
// what it prints, what it writes, each deal it writes and its end.
'use strict';

window.Pipsweep = window.Pipsweep || {};

(() => {
  // Bytes that arrive in pieces of unknown number: the console, and the
  // hands of every deal written.
  class ByteSink {
    constructor() { this.buffer = new Uint8Array(1 << 16); this.length = 0; }
    append(chunk) {
      if (this.length + chunk.length > this.buffer.length) {
        const bigger = new Uint8Array(Math.max(this.buffer.length * 2, this.length + chunk.length));
        bigger.set(this.buffer.subarray(0, this.length));
        this.buffer = bigger;
      }
      this.buffer.set(chunk, this.length);
      this.length += chunk.length;
    }
    bytes() { return this.buffer.subarray(0, this.length); }
  }

  const CARDS = 52;

  // The deals as the core wrote them: board numbers, and 52 hand codes a
  // deal (0 North, 1 East, 2 South, 3 West, 4 none).
  class Deals {
    constructor(numbers, hands) { this.numbers = numbers; this.hands = hands; }
    get length() { return this.numbers.length; }
    number(index) { return this.numbers[index]; }
    handsOf(index) { return this.hands.subarray(index * CARDS, (index + 1) * CARDS); }
  }

  // A fresh module for every run, so no state of an earlier run is left.
  // symbols is what -d gets; name and bytes are the file.
  async function runCore(name, bytes, symbols) {
    const out = new ByteSink();
    const hands = new ByteSink();
    const numbers = [];
    let box = null;
    let exitStatus = null;
    const module = await window.createPipsweep({
      thisProgram: 'pipsweep',
      preRun: [(m) => {
        m.FS.init(() => null, () => {}, () => {});
        // Standard output whole write by write, not a call per byte: a
        // large file prints megabytes.
        const stdout = m.FS.getStream(1);
        stdout.stream_ops = {
          ...stdout.stream_ops,
          write: (stream, buffer, offset, length) => {
            out.append(buffer.subarray(offset, offset + length));
            return length;
          },
        };
      }],
      onDeal: (board, dealHands) => { numbers.push(board); hands.append(dealHands); },
      onMessageBox: (caption, text, success) => { box = { caption, text, success }; },
      onExit: (status) => { exitStatus = status; },
      print: () => {},
      printErr: () => {},
    });
    module.FS.writeFile(name, bytes);
    // "--": a file name that starts with "-" is still the file.
    const returned = module.callMain(['-d', symbols, '--', name]);
    let output = null;
    try {
      output = module.FS.readFile('_pipsweep.txt');
    } catch (e) {
      output = null;  // the run stopped before it opened the file
    }
    return {
      console: out.bytes(),
      box,
      exit: exitStatus === null ? returned : exitStatus,
      output,
      deals: new Deals(Int32Array.from(numbers), hands.bytes()),
    };
  }

  window.Pipsweep.runCore = runCore;
})();
