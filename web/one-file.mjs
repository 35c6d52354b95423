// Builds the page as one file, index.html, that works alone: copied
// anywhere, sent by mail, opened from disk. Its styles, scripts, pictures,
// the example, the core and the double-dummy solver with their WebAssembly
// are all inside it. Beside
// it go the files only a served page asks for: the manifest, its icons and
// the service worker.
//   node web/one-file.mjs OUT_DIR CORE_JS EXAMPLE DDS_JS
// CORE_JS is the core as Emscripten builds it (pipsweep.js); EXAMPLE the
// deal file the page's "Open the example" deals; DDS_JS the solver as
// Emscripten builds it (dds.js).
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { basename, dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { build } from 'esbuild';

// Node 18 (Debian 12's) has no import.meta.dirname.
const here = dirname(fileURLToPath(import.meta.url));
const res = resolve(here, '../res');
const [outDir, coreJs, example, ddsJs] = process.argv.slice(2).map((path) => resolve(path));
if (ddsJs === undefined) throw new Error('usage: node one-file.mjs OUT_DIR CORE_JS EXAMPLE DDS_JS');

const fail = (message) => {
  console.error(`one-file.mjs: ${message}`);
  process.exit(1);
};

// The example, byte for byte, as hex: a page opened from disk cannot fetch
// a file. The page's modules import it as ./example.js.
const exampleModule = `// ${basename(example)}, byte for byte.\n`
  + `export const EXAMPLE = { name: '${basename(example)}', hex: '${readFileSync(example).toString('hex')}' };\n`;
const examplePlugin = {
  name: 'example',
  setup(build) {
    build.onResolve({ filter: /^\.\/example\.js$/ }, () => ({ path: 'example', namespace: 'example' }));
    build.onLoad({ filter: /.*/, namespace: 'example' }, () => ({ contents: exampleModule, loader: 'js' }));
  },
};

// A module and all it imports as one script.
async function bundle(entry) {
  const result = await build({
    entryPoints: [join(here, entry)],
    bundle: true,
    write: false,
    format: 'iife',
    target: 'es2020',
    charset: 'utf8',
    legalComments: 'none',
    plugins: [examplePlugin],
  });
  return result.outputFiles[0].text;
}

const generated = {
  'pipsweep.js': readFileSync(coreJs, 'utf8'),
  'src/main.js': await bundle('src/main.js'),
  'src/worker.js': await bundle('src/worker.js'),
  // Its licence asks for the notice to go with it.
  'dds.js': '// DDS 2.9.0, the double-dummy solver: Copyright (C) 2006-2014 Bo Haglund, 2014-2018 Bo Haglund\n'
    + '// and Soren Hein. Apache License 2.0, https://www.apache.org/licenses/LICENSE-2.0\n'
    + readFileSync(ddsJs, 'utf8'),
  'src/solver-worker.js': await bundle('src/solver-worker.js'),
};
const text = (name) => generated[name] ?? readFileSync(join(here, name), 'utf8');
const bytes = (name) => readFileSync(join(name.endsWith('.png') ? res : here, name));
const dataUrl = (name) => `data:image/png;base64,${bytes(name).toString('base64')}`;

// The text of a script or style element ends at its first "</script" or
// "</style": none may hold one.
function raw(content, tag) {
  if (content.toLowerCase().includes(`</${tag}`)) fail(`a ${tag} holds "</${tag}"`);
  return content;
}

const hash = (content) => `'sha256-${createHash('sha256').update(content, 'utf8').digest('base64')}'`;
const scriptHashes = [];
const styleHashes = [];

let page = text('index.html');
// Pictures first, so that no script's text changes after it is hashed.
page = page.replace(/ (src|href)="([^"]+\.png)"/g, (attribute, name, file) => ` ${name}="${dataUrl(file)}"`);
page = page.replace(/<link rel="stylesheet" href="([^"]+)">/g, (tag, name) => {
  const style = raw(text(name), 'style');
  styleHashes.push(hash(style));
  return `<style>${style}</style>`;
});
page = page.replace(/<script src="([^"]+)"><\/script>/g, (tag, name) => {
  const script = raw(text(name), 'script');
  scriptHashes.push(hash(script));
  return `<script>${script}</script>`;
});
// A script for the worker only: not run here, so not in the policy.
page = page.replace(/<script type="text\/x-worker" id="([^"]+)" data-src="([^"]+)"><\/script>/g,
  (tag, id, names) => `<script type="text/x-worker" id="${id}">${raw(names.split(' ').map(text).join('\n'), 'script')}</script>`);
for (const mark of ['@SCRIPT_HASHES', '@STYLE_HASHES']) if (!page.includes(mark)) fail(`index.html lacks ${mark}`);
page = page.replace('@SCRIPT_HASHES', scriptHashes.join(' ')).replace('@STYLE_HASHES', styleHashes.join(' '));
const left = page.match(/ (src|href)="(?!data:)[^"#]+"/);
if (left !== null) fail(`index.html still names another file: ${left[0]}`);

mkdirSync(outDir, { recursive: true });
writeFileSync(join(outDir, 'index.html'), page);
const icons = ['pipsweep-192.png', 'pipsweep-512.png'];
for (const icon of icons) copyFileSync(join(res, icon), join(outDir, icon));
const manifest = text('manifest.webmanifest');
JSON.parse(manifest);
writeFileSync(join(outDir, 'manifest.webmanifest'), manifest);
// The worker changes with every file it keeps, so that browsers fetch them
// anew.
const version = createHash('sha256').update(page).update(manifest);
for (const icon of icons) version.update(bytes(icon));
writeFileSync(join(outDir, 'sw.js'), text('sw.js').replace('@VERSION@', version.digest('hex').slice(0, 16)));
