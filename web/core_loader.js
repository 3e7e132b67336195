// Loads the decoder core in the background of a page that already takes
// typing. Its WebAssembly is written into the page, in base64 at the end of
// the body, so a first visit waits for no second download. A failed load (a
// browser that will not compile it) is told in the page with a Retry
// button; whoever waits for the core waits through failures until a load
// succeeds.
import { startCore } from './decoder_core.js';
import { showNotice } from './page_notice.js';

const FAILED = 'The decoder could not be started. Try again, or reload the page.';

// The browser's own base64 decoder where it has one; atob's string otherwise.
function bytesOf(base64) {
  if (Uint8Array.fromBase64) return Uint8Array.fromBase64(base64);
  const text = atob(base64);
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; i += 1) bytes[i] = text.charCodeAt(i);
  return bytes;
}

function loadCore() {
  return startCore(bytesOf(document.getElementById('decoderWasm').textContent));
}

export class CoreLoader {
  constructor() {
    this.core = null; // the core once loaded
    this.ready = new Promise((resolve) => { this.resolveReady = resolve; });
    this.load();
  }

  async load() {
    const state = document.documentElement.dataset;
    state.core = 'loading';
    try {
      this.core = await loadCore();
    } catch (error) {
      state.core = 'failed';
      console.error(error);
      showNotice({ text: FAILED, button: 'Retry', urgent: true, onClick: (close) => { close(); this.load(); } });
      return;
    }
    state.core = 'ready';
    performance.mark('tarnwick-ready');
    this.resolveReady(this.core);
  }
}
