// The batch section once a file is given: the column choosers and options
// (remembered on this device), the run in a worker with progress and
// Cancel, then the summary, the download, the failing rows that open in the
// form, and the registry report. Every rule of a run is the tool's batch
// session in the worker; this file only asks it and shows its answers.
import { showReport } from './batch_report.js';
import { byId } from './dom.js';

const STORAGE_KEY = 'tarnwick-batch-choices';
// Where the service worker keeps a file shared to the installed app.
const SHARED_CACHE = 'shared-file';
// The tool's columns, in the order its help lists them.
const COLUMNS = ['year', 'warranty', 'body', 'color', 'trim', 'date', 'dso', 'axle', 'trans', 'warranty_only'];
const PLATE_COLUMNS = COLUMNS.slice(2, 9);
// The header is read from the file's start; the tool's own limit for a line.
const PREVIEW_BYTES = 1 << 20;
const NOT_IN_FILE = '-1';

const separator = (choice) => (choice === 'tab' ? '\t' : choice);
const numberText = (n) => Math.round(n).toLocaleString('en-US');

function sizeText(bytes) {
  if (bytes < 1024) return `${bytes} bytes`;
  if (bytes < 1 << 20) return `${(bytes / 1024).toFixed(1)} KB`;
  return `${(bytes / (1 << 20)).toFixed(1)} MB`;
}

function element(tag, properties = {}, children = []) {
  const node = Object.assign(document.createElement(tag), properties);
  node.append(...children);
  return node;
}

// The section's controls come with its code, so a first visit does not
// fetch them. The year choices are the core's, so the section waits for it.
// notLoaded is what the section says when its worker cannot be loaded.
export async function createBatchSection(decoderPage, notLoaded) {
  const [panel, core] = await Promise.all([
    fetch('batch_panel.html').then((response) => response.text()),
    decoderPage.loader.ready,
    new Promise((resolve) => {
      document.head.append(element('link', { rel: 'stylesheet', href: 'batch.css', onload: resolve, onerror: resolve }));
    }),
  ]);
  byId('batchPanel').innerHTML = panel;
  return new BatchSection(decoderPage, core, notLoaded);
}

class BatchSection {
  constructor(decoderPage, core, notLoaded) {
    this.decoderPage = decoderPage;
    this.notLoaded = notLoaded;
    this.options = {
      delimiter: byId('batchDelimiter'), encoding: byId('batchEncoding'), year: byId('batchYear'),
      format: byId('batchFormat'), warrantyOnly: byId('batchWarrantyOnly'), trim: byId('batchTrim'),
      outputDelimiter: byId('batchOutputDelimiter'), bom: byId('batchBom'), crlf: byId('batchCrlf'),
    };
    this.progress = byId('batchProgress');
    this.rate = byId('batchRate');
    this.summary = byId('batchSummary');
    this.download = byId('batchDownload');
    this.startButton = byId('batchStart');
    this.cancelButton = byId('batchCancel');
    this.worker = null;
    this.file = null;
    this.preview = null;

    const yearLabels = core.yearLabels();
    this.options.year.append(...yearLabels.map((label) => element('option', { value: label, textContent: label })));
    this.restoreChoices();

    this.options.delimiter.addEventListener('change', () => this.readHeader());
    this.options.encoding.addEventListener('change', () => this.readHeader());
    this.options.year.addEventListener('change', () => this.markNeededColumns());
    this.options.warrantyOnly.addEventListener('change', () => this.markNeededColumns());
    this.options.format.addEventListener('change', () => this.markCsvOptions());
    this.markCsvOptions();
    this.startButton.addEventListener('click', () => this.open(this.file));
    this.cancelButton.addEventListener('click', () => this.cancel());
  }

  // A new file: its header read, then decoded at once with the columns
  // preselected.
  async open(file) {
    this.file = file;
    try {
      await this.readHeader();
      await this.start();
    } catch (error) {
      this.running(false);
      this.summary.textContent = error.message;
    }
  }

  // The file the service worker kept from a share to the installed app.
  async openShared() {
    const cache = await caches.open(SHARED_CACHE);
    const response = await cache.match('shared');
    if (!response) return;
    const name = decodeURIComponent(response.headers.get('X-File-Name'));
    const file = new File([await response.blob()], name, { type: response.headers.get('Content-Type') });
    await cache.delete('shared');
    byId('batch').scrollIntoView();
    await this.open(file);
  }

  settings() {
    const { delimiter, encoding, year, format, warrantyOnly, trim, outputDelimiter, bom, crlf } = this.options;
    const csv = format.value === 'csv';
    return {
      delimiter: delimiter.value === 'auto' ? '' : separator(delimiter.value),
      encoding: encoding.value, year: year.value, format: format.value,
      warrantyOnly: warrantyOnly.checked, trim: trim.checked, renames: this.renames(), inputName: this.file.name,
      outputDelimiter: csv ? separator(outputDelimiter.value) : ',', bom: csv && bom.checked, crlf: csv && crlf.checked,
    };
  }

  // The columns chosen unlike the tool's own matching, as its --map would
  // give them.
  renames() {
    if (!this.preview?.names) return [];
    return COLUMNS.flatMap((name) => {
      const chosen = byId(`batchMap-${name}`).value;
      if (chosen === NOT_IN_FILE || Number(chosen) === this.preview.columns[name]) return [];
      return [[name, this.preview.names[Number(chosen)]]];
    });
  }

  // One worker at a time; a new one after Cancel ended the last.
  async ask(message) {
    if (!this.worker) {
      this.worker = new Worker('batch_worker.js', { type: 'module' });
      await new Promise((resolve, reject) => {
        this.worker.addEventListener('message', resolve, { once: true });
        this.worker.addEventListener('error', () => {
          this.worker = null;
          reject(new Error(this.notLoaded));
        }, { once: true });
      });
    }
    this.worker.postMessage(message);
  }

  reply(type, onProgress = () => {}) {
    return new Promise((resolve) => {
      this.worker.onmessage = ({ data }) => {
        if (data.type === type) resolve(data);
        else onProgress(data);
      };
    });
  }

  // Start waits for a header being read, so that it runs with the columns
  // chosen from it.
  readHeader() {
    this.headerRead = this.file && this.previewHeader();
    return this.headerRead;
  }

  async previewHeader() {
    if (!this.cancelButton.disabled) this.cancel();
    const start = await this.file.slice(0, PREVIEW_BYTES).arrayBuffer();
    const chosen = this.chosenNames();
    await this.ask({ type: 'preview', start, settings: { ...this.settings(), renames: [] } });
    ({ preview: this.preview } = await this.reply('preview'));
    this.showColumns(chosen);
  }

  // The header name chosen for each column, by the choosers shown now or
  // else as remembered from the last run.
  chosenNames() {
    const chosen = { ...this.storedChoices().columns };
    for (const name of COLUMNS) {
      const value = byId(`batchMap-${name}`)?.value;
      if (value !== undefined && value !== NOT_IN_FILE) chosen[name] = this.preview.names[Number(value)];
    }
    return chosen;
  }

  showColumns(chosen) {
    const { names = [], columns = {} } = this.preview;
    const choosers = COLUMNS.map((name) => {
      const select = element('select', { id: `batchMap-${name}` });
      if (columns[name] === undefined || columns[name] < 0) {
        select.append(element('option', { value: NOT_IN_FILE, textContent: '(not in the file)' }));
      }
      select.append(...names.map((header, i) => element('option', { value: String(i), textContent: header })));
      const wanted = names.indexOf(chosen[name]);
      select.value = String(wanted >= 0 ? wanted : columns[name] ?? NOT_IN_FILE);
      return element('label', {}, [`${name} `, select]);
    });
    byId('batchColumnList').replaceChildren(...choosers);
    this.markNeededColumns();
  }

  // A fixed year needs no year column; Warranty Number Only no plate columns.
  markNeededColumns() {
    const unused = new Set([
      ...(this.options.year.value !== '' ? ['year'] : []),
      ...(this.options.warrantyOnly.checked ? [...PLATE_COLUMNS, 'warranty_only'] : []),
    ]);
    for (const name of COLUMNS) {
      const select = byId(`batchMap-${name}`);
      if (select) select.disabled = unused.has(name);
    }
  }

  // The spreadsheet options shape CSV output only.
  markCsvOptions() {
    byId('batchSpreadsheet').disabled = this.options.format.value !== 'csv';
  }

  async start() {
    if (!this.file) return;
    await this.headerRead;
    this.storeChoices();
    const settings = this.settings();
    this.running(true);
    this.showProgress({ rows: 0, bytes: 0, seconds: 0 });
    this.summary.textContent = `Decoding ${this.file.name}…`;
    await this.ask({ type: 'run', file: this.file, settings });
    const done = await this.reply('done', (progress) => this.showProgress(progress));
    this.running(false);
    this.lastSettings = settings;
    this.finished(done, settings);
  }

  cancel() {
    this.worker?.terminate();
    this.worker = null;
    this.running(false);
    this.summary.textContent = `Cancelled after ${this.rate.dataset.rows ?? 0} rows.`;
  }

  running(on) {
    this.startButton.disabled = on;
    this.cancelButton.disabled = !on;
    if (on) {
      this.download.hidden = true;
      URL.revokeObjectURL(this.download.href);
      for (const id of ['batchNotices', 'batchFailures', 'batchReport']) byId(id).replaceChildren();
    }
  }

  // The rate once there is time enough to tell it.
  showProgress({ rows, bytes, seconds }) {
    this.progress.max = Math.max(this.file.size, 1);
    this.progress.value = bytes;
    this.rate.dataset.rows = numberText(rows);
    const count = `${numberText(rows)} ${rows === 1 ? 'row' : 'rows'}`;
    this.rate.textContent = seconds >= 0.1 ? `${count}, ${numberText(rows / seconds)} rows/s` : count;
  }

  finished({ problem, outcome, seconds, blob }, settings) {
    if (problem !== '') {
      this.summary.textContent = problem;
      return;
    }
    this.progress.value = this.progress.max;
    this.showProgress({ rows: outcome.rowsRead, bytes: this.file.size, seconds });
    this.summary.textContent = outcome.summary;
    byId('batchNotices').replaceChildren(...outcome.notices.map((notice) => element('li', { textContent: notice })));
    const name = `${this.file.name.replace(/\.[^.]*$/, '')}-decoded.${settings.format === 'jsonl' ? 'jsonl' : 'csv'}`;
    this.download.href = URL.createObjectURL(blob);
    this.download.download = name;
    this.download.textContent = `Download ${name} (${sizeText(blob.size)})`;
    this.download.hidden = false;
    this.showFailures(outcome);
    showReport(byId('batchReport'), outcome.tallies, this.file.name);
  }

  showFailures({ failures, failureCount }) {
    const area = byId('batchFailures');
    if (failureCount === 0) {
      area.replaceChildren();
      return;
    }
    const heading = element('h3', { id: 'batchFailuresHeading', textContent: 'Rows that failed' });
    const capped = failures.length < failureCount
      ? ` The first ${numberText(failures.length)} of ${numberText(failureCount)} are listed; the download holds them all.` : '';
    const note = element('p', { textContent: `Choose a row's number to open it in the form above.${capped}` });
    const table = element('table', { id: 'batchFailureTable' });
    const head = table.createTHead().insertRow();
    for (const caption of ['Row', 'Year', 'Warranty', 'Message']) {
      head.append(element('th', { scope: 'col', textContent: caption }));
    }
    const body = table.createTBody();
    for (const failure of failures) {
      const row = body.insertRow();
      const open = element('button', { type: 'button' }, [
        element('span', { className: 'visually-hidden', textContent: 'Open row ' }),
        numberText(failure.row),
        element('span', { className: 'visually-hidden', textContent: ' in the form' }),
      ]);
      open.addEventListener('click', () => this.handOver(failure));
      row.insertCell().append(open);
      row.insertCell().textContent = failure.year;
      row.insertCell().textContent = failure.texts[0];
      row.insertCell().textContent = failure.lines.join('\n');
    }
    const scroller = element('div', { className: 'table-scroll', tabIndex: 0 }, [table]);
    scroller.setAttribute('role', 'region');
    scroller.setAttribute('aria-labelledby', 'batchFailuresHeading');
    area.replaceChildren(heading, note, scroller);
  }

  // The row as the decode saw it, in the single-plate form, to be fixed there.
  handOver({ yearIndex, warrantyOnly, texts, field }) {
    const year = yearIndex >= 0 ? yearIndex : this.decoderPage.selectedYear();
    const codes = this.lastSettings.trim ? texts.map((text) => text.replace(/^[ \t]+|[ \t]+$/g, '')) : texts;
    byId('frmDecoder').scrollIntoView({ block: 'start' });
    this.decoderPage.load({ year, warrantyOnly, texts: codes, field });
  }

  storedChoices() {
    try {
      return JSON.parse(localStorage.getItem(STORAGE_KEY)) ?? {};
    } catch {
      return {};
    }
  }

  restoreChoices() {
    const stored = this.storedChoices();
    for (const [key, input] of Object.entries(this.options)) {
      if (stored[key] === undefined) continue;
      if (input.type === 'checkbox') input.checked = stored[key];
      else if ([...input.options].some((option) => option.value === stored[key])) input.value = stored[key];
    }
  }

  storeChoices() {
    const choices = {};
    for (const [key, input] of Object.entries(this.options)) {
      choices[key] = input.type === 'checkbox' ? input.checked : input.value;
    }
    choices.columns = this.chosenNames();
    try {
      localStorage.setItem(STORAGE_KEY, JSON.stringify(choices));
    } catch {
      // Storage may be off or full; the choices then last for this visit only.
    }
  }
}
