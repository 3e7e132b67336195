// The batch decode off the page's thread: reads the file in pieces with
// File.stream(), feeds them to the tool's batch session compiled to
// WebAssembly and keeps its output as Blobs, so neither the input nor the
// output is ever held whole in this worker's memory.
import loadBatch from './batch.js';

const core = await loadBatch();

const PROGRESS_EVERY_MS = 200;
// Output pieces are gathered into a Blob this large, which the browser may
// keep outside the worker (on disk for a large file).
const BLOB_BYTES = 4 << 20;

class OutputParts {
  constructor() {
    this.blobs = [];
    this.pieces = [];
    this.bytes = 0;
  }

  // view is valid until the session's next call: copied at once.
  add(view) {
    if (view.length === 0) return;
    this.pieces.push(view.slice());
    this.bytes += view.length;
    if (this.bytes >= BLOB_BYTES) this.seal();
  }

  seal() {
    this.blobs.push(new Blob(this.pieces));
    this.pieces = [];
    this.bytes = 0;
  }

  blob(type) {
    this.seal();
    return new Blob(this.blobs, { type });
  }
}

async function run({ file, settings }) {
  const session = new core.BatchRun(settings);
  const output = new OutputParts();
  const started = performance.now();
  let reported = started;
  let bytesRead = 0;
  const reader = file.stream().getReader();
  for (;;) {
    const { done, value } = await reader.read();
    if (done) break;
    bytesRead += value.length;
    output.add(session.feed(value));
    if (session.problem() !== '') break;
    const now = performance.now();
    if (now - reported >= PROGRESS_EVERY_MS) {
      reported = now;
      postMessage({ type: 'progress', rows: session.rowsRead(), bytes: bytesRead, seconds: (now - started) / 1000 });
    }
  }
  if (session.problem() === '') output.add(session.finish());
  const problem = session.problem();
  const outcome = problem === '' ? session.outcome() : null;
  const seconds = (performance.now() - started) / 1000;
  const type = settings.format === 'jsonl' ? 'application/jsonl' : 'text/csv';
  const memory = core.HEAPU8.buffer.byteLength;
  session.delete();
  postMessage({ type: 'done', problem, outcome, seconds, memory, blob: problem === '' ? output.blob(type) : null });
}

self.onmessage = ({ data }) => {
  if (data.type === 'preview') {
    postMessage({ type: 'preview', preview: core.previewHeader(new Uint8Array(data.start), data.settings) });
  } else if (data.type === 'run') {
    // A file that cannot be read to its end (moved, changed) ends the run.
    run(data).catch((error) => postMessage({ type: 'done', problem: `${data.file.name}: ${error.message}` }));
  }
};
postMessage({ type: 'ready' });
