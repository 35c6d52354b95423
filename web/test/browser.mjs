// Headless Chromium with the page, and the Linux build's run of the same
// file to hold it against.
import { spawnSync } from 'node:child_process';
import { copyFileSync, existsSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { basename, join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

const root = resolve(import.meta.dirname, '../..');
export const nativeBinary = resolve(process.env.PIPSWEEP_NATIVE ?? join(root, 'build/pipsweep'));
export const pageDir = resolve(process.env.PIPSWEEP_PAGE ?? join(root, 'build-web/web'));
export const pageUrl = pathToFileURL(join(pageDir, 'index.html')).href;

// Where the symbols of a card stand in a direction line.
export const COLUMN = [];
for (let card = 0, n = 0; card < 52; ++card) {
  if (card % 13 % 3 === 0) ++n;
  COLUMN.push(n++);
}

// The command line the page runs, in a directory of its own.
export function runNative(file, symbols) {
  const dir = mkdtempSync(join(tmpdir(), 'pipsweep-native-'));
  try {
    const name = basename(file);
    copyFileSync(file, join(dir, name));
    const run = spawnSync(nativeBinary, ['-d', symbols, '--', name],
      { cwd: dir, env: { ...process.env, DISPLAY: '', WAYLAND_DISPLAY: '' }, input: '' });
    const outputPath = join(dir, '_pipsweep.txt');
    return {
      stdout: run.stdout,
      status: run.status === 0 ? '0' : '-1',
      exitCode: run.status,
      output: existsSync(outputPath) ? readFileSync(outputPath) : null,
    };
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
}

export async function launch() {
  const profile = mkdtempSync(join(tmpdir(), 'pipsweep-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  return {
    browser,
    async close() {
      await browser.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// A fresh page from file://, watching every request and every error.
export async function openPage(browser, viewport = { width: 1280, height: 900 }) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  const requests = [];
  const errors = [];
  page.on('request', (request) => requests.push(request.url()));
  page.on('pageerror', (error) => errors.push(String(error)));
  page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
  await page.goto(pageUrl, { waitUntil: 'load' });
  return { page, requests, errors };
}

// Hands the file to the page with the symbols, and waits for its run.
export async function dealFile(page, file, symbols) {
  const runs = await page.evaluate(() => Number(document.body.dataset.runs ?? 0));
  await page.$eval('#symbols', (input, value) => { input.value = value; }, symbols);
  const input = await page.$('#deal-file');
  await input.uploadFile(file);
  await page.waitForFunction((before) => Number(document.body.dataset.runs ?? 0) > before, {}, runs);
}

export async function downloadBytes(page) {
  const bytes = await page.evaluate(async () => {
    const link = document.querySelector('#download');
    if (link.hidden || !link.href || link.download !== '_pipsweep.txt') return null;
    const response = await fetch(link.href);
    return Array.from(new Uint8Array(await response.arrayBuffer()));
  });
  return bytes === null ? null : Buffer.from(bytes);
}

// The boards of an output file: number and direction line.
export function boardsOf(output) {
  const boards = [];
  let number = null;
  for (const line of output.toString('latin1').split('\n')) {
    if (line.startsWith('Board ')) number = line.slice(6);
    else if (line.length === 72 && line[0] === ' ') { boards.push({ number: number ?? '0', line }); number = null; }
  }
  return boards;
}

export function examplePath(name) { return join(root, 'examples', name); }
