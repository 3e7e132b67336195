// Loads the decoder core in the background of a page that already takes
// typing: the WebAssembly is compiled while it streams in. A failed load is
// told in the page with a Retry button; whoever waits for the core waits
// through failures until a load succeeds.
import loadDecoder from './decoder.js';
import { showNotice } from './page_notice.js';

const WASM = new URL('decoder.wasm', import.meta.url);
const FAILED = 'The decoder could not be loaded. Check the connection, then try again.';

async function instantiate(imports) {
  const response = fetch(WASM);
  try {
    return await WebAssembly.instantiateStreaming(response, imports);
  } catch (streamingFailed) {
    // A host may serve the file under another type: compile it whole.
    const whole = await response;
    if (!whole.ok) throw streamingFailed;
    return WebAssembly.instantiate(await whole.arrayBuffer(), imports);
  }
}

function loadCore() {
  return new Promise((resolve, reject) => {
    loadDecoder({
      instantiateWasm(imports, receive) {
        instantiate(imports).then(({ instance, module }) => receive(instance, module), reject);
        return {};
      },
    }).then(resolve, reject);
  });
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
