// The double-dummy solver at work for the page: workers of its own (the
// page's "solver-worker" script: dds.js and solver-worker.js), as many as
// the device has cores to spare, each taking the next board wanted while
// the page goes on. No shared memory: a page opened from disk has none.
import { startWorker } from './page-worker.js';

// One worker a core: the page itself wants little, a few milliseconds a
// step. No more than four; each holds its own tables in memory, DDS's
// large ones (about 175 MB) for two workers at most, else its small ones
// (about 35 MB, a fifth slower), so that a phone's memory holds them.
const MOST_WORKERS = 4;
const LARGE_TABLES_WORKERS = 2;
export const workerCount = (cores = navigator.hardwareConcurrency ?? 2) => Math.max(1, Math.min(MOST_WORKERS, cores));
const memoryMB = (count) => (count <= LARGE_TABLES_WORKERS ? 0 : 100);

// answer(job, { analysis } or { error }) for each job done. want(jobs)
// replaces the boards waiting with jobs ({ id, hands, dealer,
// vulnerability }), the first first; a job already being solved is not
// asked again.
export function createAnalyser(answer, count = workerCount()) {
  const idle = [];
  const busy = new Map();
  let waiting = [];
  let started = false;

  // With every board answered the workers end, and their tables with
  // them: a phone wants its memory back. The next board wanted starts them
  // again.
  function stop() {
    for (const worker of idle) worker.terminate();
    idle.length = 0;
    started = false;
  }

  function next(worker) {
    const job = waiting.shift();
    if (job === undefined) {
      idle.push(worker);
      if (busy.size === 0) stop();
      return;
    }
    busy.set(worker, job);
    worker.postMessage({
      id: job.id, hands: job.hands, dealer: job.dealer, vulnerability: job.vulnerability,
    });
  }

  function start() {
    started = true;
    for (let i = 0; i < count; ++i) {
      const worker = startWorker('solver-worker');
      worker.postMessage({ memoryMB: memoryMB(count) });
      worker.onmessage = ({ data }) => {
        const job = busy.get(worker);
        busy.delete(worker);
        answer(job, data);
        next(worker);
      };
      worker.onerror = (event) => {
        const job = busy.get(worker);
        busy.delete(worker);
        if (job !== undefined) answer(job, { error: event.message });
        next(worker);
      };
      idle.push(worker);
    }
  }

  return {
    want(jobs) {
      const solving = new Set([...busy.values()].map((job) => job.id));
      waiting = jobs.filter((job) => !solving.has(job.id));
      if (waiting.length > 0 && !started) start();
      while (idle.length > 0 && waiting.length > 0) next(idle.pop());
    },
  };
}
