// A worker made from a script the page carries as text (a script element
// of type text/x-worker), so that it starts from disk too: a page opened
// from a file may load no other file.
const urls = new Map();
export function startWorker(id) {
  if (!urls.has(id)) {
    const text = document.getElementById(id).textContent;
    urls.set(id, URL.createObjectURL(new Blob([text], { type: 'text/javascript' })));
  }
  return new Worker(urls.get(id));
}
