// Starts the page: the fields, which on a phone take typing from the first
// paint, are placed and given their entry rules while the decoder core loads
// beside them, the batch section's entry points are wired, and the offline
// cache is registered once the page has loaded, whatever becomes of the
// core. The build writes this file and every module it imports, the layouts
// included, into index.html; the batch section's own code loads on first
// use.
import layout from './layout.json' with { type: 'json' };
import { attachBatchEntry } from './batch_entry.js';
import { byId } from './dom.js';
import { CodeBook } from './code_book.js';
import { CoreLoader } from './core_loader.js';
import { DecoderPage, FIELD_IDS } from './decoder_page.js';
import { useCoreUpperCase } from './entry_rules.js';
import { keepOfflineCopy } from './offline_copy.js';
import { PlateView } from './plate_view.js';

const loader = new CoreLoader();
loader.ready.then(useCoreUpperCase);
const boxes = FIELD_IDS.map((id) => byId(id).parentElement);
const page = new DecoderPage(loader, new PlateView(layout, boxes), new CodeBook(loader), layout.positions);
// Over the picture the fields show once placed; a hidden field cannot take
// the focus, so before the page starts.
document.documentElement.dataset.ready = 'true';
page.start();
attachBatchEntry(page);

// The offline copy's downloads wait until the page's own are done.
const keepCopy = () => keepOfflineCopy(loader.ready);
if (document.readyState === 'complete') keepCopy();
else window.addEventListener('load', keepCopy, { once: true });
