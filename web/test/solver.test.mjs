// The double-dummy solver in the page opened from disk: its worker, made
// from the page's own text as the core's is, answers a board with its
// analysis, and asks for no file beside the page.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { examplePath, launch, nativeHands, openPage } from './browser.mjs';

let browser;
before(async () => { browser = await launch(); });
after(() => browser.close());

test('board 1 of the example: its tricks and par', async () => {
  const [board] = nativeHands(examplePath('club-session.pbn'));
  const { page, requests, errors, close } = await openPage(browser.browser);
  const answer = await page.evaluate((hands) => new Promise((resolve) => {
    const text = document.getElementById('solver-worker').textContent;
    const worker = new Worker(URL.createObjectURL(new Blob([text], { type: 'text/javascript' })));
    worker.onmessage = ({ data }) => { worker.terminate(); resolve(data); };
    worker.onerror = (event) => resolve({ error: event.message });
    worker.postMessage({ memoryMB: 0 });
    worker.postMessage({ id: 7, hands: Uint8Array.from(hands), dealer: 0, vulnerability: 0 });
  }), board.hands);
  await close();
  assert.deepEqual(answer, {
    id: 7,
    analysis: {
      tricks: [[4, 4, 7, 10, 4], [8, 9, 5, 3, 9], [4, 4, 7, 10, 4], [8, 9, 6, 3, 9]],
      par: { ns: 100, contracts: [{ level: 4, strain: 1, side: 1, declarers: [1, 3], doubled: true, overtricks: 0, undertricks: 1 }] },
    },
  });
  assert.deepEqual(errors, []);
  assert.deepEqual(requests.filter((url) => !/^(file|data|blob):/.test(url)), []);
});
