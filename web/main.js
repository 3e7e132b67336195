// Starts the page: loads the decoder core and the plate layouts together,
// then wires the page and the batch section's entry points and registers
// the offline cache.
import loadDecoder from './decoder.js';
import { attachBatchEntry } from './batch_entry.js';
import { CodeBook } from './code_book.js';
import { DecoderPage, FIELD_IDS } from './decoder_page.js';
import { PlateView } from './plate_view.js';

const [core, layout] = await Promise.all([
  loadDecoder(),
  fetch('layout.json').then((response) => response.json()),
]);

const boxes = FIELD_IDS.map((id) => document.getElementById(id).parentElement);
const page = new DecoderPage(core, new PlateView(layout, boxes), new CodeBook(core));
// The fields show once placed; a hidden field cannot take the focus, so
// before the page starts.
document.documentElement.dataset.ready = 'true';
page.start();
attachBatchEntry(page);
performance.mark('tarnwick-ready');

if ('serviceWorker' in navigator) {
  navigator.serviceWorker.register('sw.js');
}
