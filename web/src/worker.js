// The core's side of a run, in a worker of its own so that the page keeps
// answering while a large file is read. The worker's script is the core
// (pipsweep.js, which defines createPipsweep) followed by this file, both
// carried in the page (see core.js).
//
// The page sends { name, file, symbols }: file is a Blob (the File chosen,
// or the one kept on the device), read here rather than on the page. The
// worker answers, in this order:
//   { type: 'key', key }                   the file's content key
//   { type: 'deals', numbers, hands, dealers, vulnerabilities, warnings }
//                                          in batches as the core writes them
//   { type: 'end', console, lines, exit, output, diagnostics }
// or { type: 'failed', message } when the page itself could not run it.
import { contentKey } from './content-key.js';

// The first deal goes at once, so that board 1 shows early; the rest in
// batches a few times a second, each a message rather than one a deal.
const BATCH_MS = 100;
const CARDS = 52;

// Bytes that arrive in pieces of unknown number: the console, and the
// hands of a batch of deals.
class ByteSink {
  constructor() {
    this.buffer = new Uint8Array(1 << 16);
    this.length = 0;
  }

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

// The deals written since the last batch, and the diagnostics among them.
class Batch {
  constructor() {
    this.numbers = [];
    this.dealers = [];
    this.vulnerabilities = [];
    this.hands = new ByteSink();
    this.warnings = [];
  }

  message() {
    return {
      type: 'deals',
      numbers: Int32Array.from(this.numbers),
      hands: this.hands.bytes().slice(),
      dealers: Int8Array.from(this.dealers),
      vulnerabilities: Int8Array.from(this.vulnerabilities),
      warnings: this.warnings,
    };
  }
}

// The file's bytes. WebKit lets a worker read no File chosen on a page
// opened from disk: the page then reads it and sends the bytes.
let sentBytes = null;
async function readFile(file) {
  try {
    return new Uint8Array(await file.arrayBuffer());
  } catch (error) {
    const bytes = new Promise((resolve) => { sentBytes = resolve; });
    self.postMessage({ type: 'bytes-wanted' });
    return bytes;
  }
}

async function run({ name, file, symbols }) {
  const out = new ByteSink();
  const diagnostics = [];
  let dealsWritten = 0;
  let batch = new Batch();
  let sentAt = 0;
  const send = () => {
    if (batch.numbers.length === 0 && batch.warnings.length === 0) return;
    const message = batch.message();
    self.postMessage(message, [message.numbers.buffer, message.hands.buffer, message.dealers.buffer,
      message.vulnerabilities.buffer]);
    batch = new Batch();
    sentAt = performance.now();
  };
  let exitStatus = null;
  // The core starts while the file is read and hashed: 10 to 20 ms sooner to board 1.
  const starting = self.createPipsweep({
    thisProgram: 'pipsweep',
    preRun: [(m) => {
      m.FS.init(() => null, () => {}, () => {});
      // Standard output whole write by write, not a call per byte: a large
      // file prints megabytes.
      const stdout = m.FS.getStream(1);
      stdout.stream_ops = {
        ...stdout.stream_ops,
        write: (stream, buffer, offset, length) => {
          out.append(buffer.subarray(offset, offset + length));
          return length;
        },
      };
    }],
    onDeal: (board, hands, dealer = -1, vulnerability = -1) => {
      batch.numbers.push(board);
      batch.hands.append(hands.subarray(0, CARDS));
      batch.dealers.push(dealer);
      batch.vulnerabilities.push(vulnerability);
      ++dealsWritten;
      if (dealsWritten === 1 || performance.now() - sentAt >= BATCH_MS) send();
    },
    // Each diagnostic as printed, after the deal it follows.
    onDiagnostic: (text) => {
      const diagnostic = { text, after: dealsWritten - 1 };
      diagnostics.push(diagnostic);
      batch.warnings.push(diagnostic);
    },
    onExit: (status) => { exitStatus = status; },
    print: () => {},
    printErr: () => {},
  });
  const bytes = await readFile(file);
  self.postMessage({ type: 'key', key: contentKey(bytes) });
  const module = await starting;
  // The file's own bytes, not a copy: 35 ms and the file's size saved on 64 MB.
  module.FS.writeFile(name, bytes, { canOwn: true });
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
    exit: exitStatus === null ? returned : exitStatus,
    output,
    diagnostics,
  };
  const moved = [end.console.buffer, end.lines.buffer];
  if (output !== null) moved.push(output.buffer);
  self.postMessage(end, moved);
}

self.onmessage = ({ data }) => {
  if (data.bytes !== undefined) {
    sentBytes(data.bytes);
    return;
  }
  run(data).catch((error) => self.postMessage({ type: 'failed', message: String(error) }));
};
