// The page at the card table: reads a deal file with the core, then shows
// one board at a time and walks the sorted pack card by card, telling the
// hand of each card in large type, in words, by colour and by seat. Here
// the parts are made and joined: the state, the services, the app over
// them, its drawing and its input.
import { createApp } from './app.js';
import { bindControls } from './controls.js';
import { runCore } from './core.js';
import { createCues } from './cues.js';
import { bindEvents } from './events.js';
import { keepOffline } from './offline.js';
import { printSession } from './print.js';
import { createRenderer } from './render.js';
import { createState } from './state.js';
import * as store from './store.js';
import { createAnalyser } from './analyser.js';
import { EXAMPLE } from './example.js';
import { startLanguage, wordsOf } from './words.js';

const remembered = store.settings();
const state = createState({ ...remembered, language: startLanguage(remembered.language, navigator.languages) });
const words = () => wordsOf(state.settings.language);
const render = createRenderer(state, words);
const app = createApp(state, {
  store, runCore, cues: createCues(), render, words, solver: (answer) => createAnalyser(answer),
});

const openFile = (file) => { if (file) app.open(file.name, file); };
function openExample() {
  const { name, hex } = EXAMPLE;
  const bytes = new Uint8Array(hex.length / 2);
  for (let i = 0; i < bytes.length; ++i) bytes[i] = parseInt(hex.substr(i * 2, 2), 16);
  app.open(name, new Blob([bytes]));
}

bindControls(app, { openFile, openExample });
bindEvents(app, {
  openFile,
  preparePrint: () => printSession(document.getElementById('print-boards'), state, words()),
});
keepOffline(app.offlineReady);
render();

// Back where the director was: the last file, its symbols and its place.
store.lastFile().then((file) => {
  if (file !== null && state.file === null) return app.open(file.name, file.blob, { kept: true });
  return undefined;
}).finally(() => { document.body.dataset.ready = 'true'; });
