// The batch decode off the page's thread: reads the file in pieces with
// File.stream(), feeds them to the tool's batch session compiled to
// WebAssembly and streams its output into a Blob, so neither the input nor
// the output is ever held whole in this worker's memory.
import loadBatch from './batch.js';

const core = await loadBatch();

const PROGRESS_EVERY_MS = 200;

// The session's output as a stream, one piece of the file decoded each
// time the browser asks for more; the next piece is read meanwhile. Each
// output piece is copied out of the wasm memory at once, as a view of it is
// valid only until the session's next call.
function decodedStream(session, file, started) {
  const reader = file.stream().getReader();
  let next = reader.read();
  let bytesRead = 0;
  let reported = started;
  return new ReadableStream({
    async pull(controller) {
      for (;;) {
        const { done, value } = await next;
        if (done || session.problem() !== '') {
          if (done && session.problem() === '') controller.enqueue(session.finish().slice());
          else reader.cancel();
          controller.close();
          return;
        }
        next = reader.read();
        bytesRead += value.length;
        session.inputBuffer(value.length).set(value);
        const output = session.feed();
        const now = performance.now();
        if (now - reported >= PROGRESS_EVERY_MS) {
          reported = now;
          postMessage({ type: 'progress', rows: session.rowsRead(), bytes: bytesRead, seconds: (now - started) / 1000 });
        }
        if (output.length > 0) {
          controller.enqueue(output.slice());
          return;
        }
      }
    },
  }, { highWaterMark: 0 });
}

async function run({ file, settings }) {
  const session = new core.BatchRun(settings);
  const started = performance.now();
  const type = settings.format === 'jsonl' ? 'application/jsonl' : 'text/csv';
  // The browser keeps the Blob outside the worker (on disk for a large one).
  const blob = await new Response(decodedStream(session, file, started), { headers: { 'Content-Type': type } }).blob();
  const problem = session.problem();
  const outcome = problem === '' ? session.outcome() : null;
  const seconds = (performance.now() - started) / 1000;
  session.delete();
  postMessage({ type: 'done', problem, outcome, seconds, blob: problem === '' ? blob : null });
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
