// The core's side of a run, in a worker of its own so that the page keeps
// answering while a large file is read. It follows the core's code in the
// worker's script (see core.js). The page sends { name, bytes, symbols };
// the worker answers with the deals in batches as the core writes them,
// then with the run's end.
'use strict';

(() => {
  // The first deal goes at once, so that board 1 shows early; the rest in
  // batches a few times a second, each a message rather than one a deal.
  const BATCH_MS = 100;

  // Bytes that arrive in pieces of unknown number: the console, and the
  // hands of a batch of deals.
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

  // Where each line of the console starts, so that the page can show any
  // stretch of a long console without reading it all.
  function lineStarts(bytes) {
    let count = bytes.length > 0 ? 1 : 0;
    for (let i = 0; i < bytes.length - 1; ++i) if (bytes[i] === 10) ++count;
    const starts = new Uint32Array(count);
    for (let i = 0, n = 1; i < bytes.length - 1; ++i) if (bytes[i] === 10) starts[n++] = i + 1;
    return starts;
  }

  async function run({ name, bytes, symbols }) {
    const out = new ByteSink();
    let numbers = [];
    let hands = new ByteSink();
    let sent = 0;
    let sentAt = 0;
    const send = () => {
      if (numbers.length === 0) return;
      const batch = { type: 'deals', numbers: Int32Array.from(numbers), hands: hands.bytes().slice() };
      self.postMessage(batch, [batch.numbers.buffer, batch.hands.buffer]);
      sent += numbers.length;
      numbers = [];
      hands = new ByteSink();
      sentAt = performance.now();
    };
    let box = null;
    let exitStatus = null;
    const module = await self.createPipsweep({
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
      onDeal: (board, dealHands) => {
        numbers.push(board);
        hands.append(dealHands);
        if (sent === 0 || performance.now() - sentAt >= BATCH_MS) send();
      },
      onMessageBox: (caption, text, success) => { box = { caption, text, success }; },
      onExit: (status) => { exitStatus = status; },
      print: () => {},
      printErr: () => {},
    });
    module.FS.writeFile(name, bytes);
    // "--": a file name that starts with "-" is still the file.
    const returned = module.callMain(['-d', symbols, '--', name]);
    send();
    let output = null;
    try {
      output = module.FS.readFile('_pipsweep.txt');
    } catch (e) {
      output = null;  // the run stopped before it opened the file
    }
    const consoleBytes = out.bytes();
    const end = {
      type: 'end',
      console: consoleBytes,
      lines: lineStarts(consoleBytes),
      box,
      exit: exitStatus === null ? returned : exitStatus,
      output,
    };
    const moved = [end.console.buffer, end.lines.buffer];
    if (output !== null) moved.push(output.buffer);
    self.postMessage(end, moved);
  }

  self.onmessage = ({ data }) => {
    run(data).catch((error) => self.postMessage({ type: 'failed', message: String(error) }));
  };
})();
