// The batch decode off the page's thread: reads the file in pieces with
// File.stream(), feeds them to the tool's batch session compiled to
// WebAssembly and writes its output away piece by piece, so neither the
// input nor the output is ever held whole in this worker's memory.
import loadBatch from './batch.js';
import { openOutput } from './batch_output.js';

const core = await loadBatch();

const PROGRESS_EVERY_MS = 200;
const PIECE_BYTES = 2 << 20;

// The file's pieces: read into one buffer over and over where the file's
// stream takes a buffer (a byte stream), else as the browser hands them
// out. A piece is valid until the next is asked for.
async function* piecesOf(file) {
  const stream = file.stream();
  let reader = null;
  try {
    reader = stream.getReader({ mode: 'byob' });
  } catch {
    reader = stream.getReader();
  }
  const byob = reader instanceof ReadableStreamBYOBReader;
  let buffer = byob ? new ArrayBuffer(PIECE_BYTES) : null;
  try {
    for (;;) {
      const { done, value } = await (byob ? reader.read(new Uint8Array(buffer)) : reader.read());
      if (done) return;
      yield value;
      if (byob) buffer = value.buffer;
    }
  } finally {
    reader.cancel().catch(() => {});
  }
}

// Decodes the file into output; the session's problem, if it has one, ends
// the run early. An output piece is a view of wasm memory, valid until the
// session's next call, so it is written away before that.
async function decode(session, file, output, started) {
  let bytesRead = 0;
  let reported = started;
  for await (const piece of piecesOf(file)) {
    bytesRead += piece.length;
    session.inputBuffer(piece.length).set(piece);
    await output.write(session.feed());
    if (session.problem() !== '') return;
    const now = performance.now();
    if (now - reported >= PROGRESS_EVERY_MS) {
      reported = now;
      postMessage({ type: 'progress', rows: session.rowsRead(), bytes: bytesRead, seconds: (now - started) / 1000 });
    }
  }
  await output.write(session.finish());
}

async function run({ file, settings }) {
  const session = new core.BatchRun(settings);
  const started = performance.now();
  const output = await openOutput(settings.format === 'jsonl' ? 'application/jsonl' : 'text/csv');
  try {
    await decode(session, file, output, started);
  } catch (error) {
    await output.abandon();
    throw error;
  }
  const problem = session.problem();
  const blob = problem === '' ? await output.close() : await output.abandon();
  const outcome = problem === '' ? session.outcome() : null;
  const seconds = (performance.now() - started) / 1000;
  session.delete();
  postMessage({ type: 'done', problem, outcome, seconds, blob: blob ?? null });
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
