// The batch decode off the page's thread: reads the file in pieces with
// File.stream(), feeds them to the tool's batch session compiled to
// WebAssembly and keeps its output as Blobs, so neither the input nor the
// output is ever held whole in this worker's memory.
import loadBatch from './batch.js';

const core = await loadBatch();

const PROGRESS_EVERY_MS = 200;

async function run({ file, settings }) {
  const session = new core.BatchRun(settings);
  // Each output piece is copied out of the wasm memory at once (a view is
  // valid until the session's next call) into a Blob, which the browser may
  // keep outside the worker, on disk for a large file.
  const parts = [];
  const keep = (view) => view.length > 0 && parts.push(new Blob([view]));
  const started = performance.now();
  let reported = started;
  let bytesRead = 0;
  const reader = file.stream().getReader();
  // The next piece is asked for before this one is decoded, so that the
  // browser reads while the worker decodes.
  let next = reader.read();
  for (;;) {
    const { done, value } = await next;
    if (done) break;
    next = reader.read();
    bytesRead += value.length;
    session.inputBuffer(value.length).set(value);
    keep(session.feed());
    if (session.problem() !== '') {
      reader.cancel();
      break;
    }
    const now = performance.now();
    if (now - reported >= PROGRESS_EVERY_MS) {
      reported = now;
      postMessage({ type: 'progress', rows: session.rowsRead(), bytes: bytesRead, seconds: (now - started) / 1000 });
    }
  }
  if (session.problem() === '') keep(session.finish());
  const problem = session.problem();
  const outcome = problem === '' ? session.outcome() : null;
  const seconds = (performance.now() - started) / 1000;
  const type = settings.format === 'jsonl' ? 'application/jsonl' : 'text/csv';
  session.delete();
  postMessage({ type: 'done', problem, outcome, seconds, blob: problem === '' ? new Blob(parts, { type }) : null });
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
