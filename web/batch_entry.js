// How a file reaches the batch section: the file input, a drop, the
// installed app opening a CSV file or a file shared to it. The section's
// code, its worker and their WebAssembly load on the first of these.

const NOT_LOADED = 'The file decoder could not be loaded; it needs the network the first time.';

export function attachBatchEntry(decoderPage) {
  let section = null;
  const batch = () => (section ??= import('./batch_section.js').then((m) => m.createBatchSection(decoderPage, NOT_LOADED))
    .catch(() => {
      section = null;
      document.getElementById('batchPanel').textContent = NOT_LOADED;
    }));
  const open = (file) => batch().then((s) => s?.open(file));

  const input = document.getElementById('batchFile');
  input.addEventListener('change', () => input.files[0] && open(input.files[0]));
  const area = document.getElementById('batch');
  area.addEventListener('dragover', (event) => event.preventDefault());
  area.addEventListener('drop', (event) => {
    event.preventDefault();
    if (event.dataTransfer.files[0]) open(event.dataTransfer.files[0]);
  });
  window.launchQueue?.setConsumer(async ({ files }) => files[0] && open(await files[0].getFile()));
  if (location.search === '?shared') {
    history.replaceState(null, '', './#batch');
    batch().then((s) => s?.openShared());
  }
}
