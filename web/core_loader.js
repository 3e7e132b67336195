// Loads the decoder core in the background of a page that already takes
// typing. Its WebAssembly is written into the page (in base64), so a first
// visit waits for no second download. A failed load (a browser that will
// not compile it) is told in the page with a Retry button; whoever waits
// for the core waits through failures until a load succeeds.
import loadDecoder from './decoder.js';
import { DECODER_WASM } from './decoder_wasm.js';
import { showNotice } from './page_notice.js';

const FAILED = 'The decoder could not be started. Try again, or reload the page.';

function loadCore() {
  const wasmBinary = Uint8Array.from(atob(DECODER_WASM), (c) => c.charCodeAt(0));
  return loadDecoder({ wasmBinary });
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
