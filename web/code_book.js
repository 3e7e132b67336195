// The code book of the selected year: every table of the core with its
// codes and meanings, searchable both ways, by code and by meaning.
import { byId } from './dom.js';

function matches(row, query) {
  return query === '' || row.some((cell) => cell.toLowerCase().includes(query));
}

// A body style's code reads "63A / 07": either half is a code.
function isCode([code], query) {
  return code.toLowerCase().split(' / ').includes(query);
}

// Rows whose code is the query come first, and so do their tables.
function exactFirst(found, query) {
  const hasCode = ({ rows }) => rows.some((row) => isCode(row, query));
  for (const { rows } of found) rows.sort((a, b) => isCode(b, query) - isCode(a, query));
  return found.sort((a, b) => hasCode(b) - hasCode(a));
}

function tableOf(table, rows, open) {
  const details = document.createElement('details');
  details.open = open;
  const summary = document.createElement('summary');
  summary.textContent = `${table.title} (${rows.length})`;
  const reads = document.createElement('p');
  reads.className = 'reads';
  reads.textContent = `Read from: ${table.reads}`;
  const grid = document.createElement('table');
  const head = grid.createTHead().insertRow();
  for (const caption of ['Code', 'Meaning']) {
    const th = document.createElement('th');
    th.scope = 'col';
    th.textContent = caption;
    head.append(th);
  }
  const body = grid.createTBody();
  for (const [code, text] of rows) {
    const tr = body.insertRow();
    tr.insertCell().textContent = code;
    tr.insertCell().textContent = text;
  }
  details.append(summary, reads, grid);
  return details;
}

export class CodeBook {
  constructor(coreLoader) {
    this.loader = coreLoader;
    this.search = byId('codeSearch');
    this.search.addEventListener('input', () => this.render());
    this.tables = [];
  }

  // The book is filled in a task of its own, so the fields answer first,
  // and once the core has loaded.
  show(year) {
    this.year = year;
    this.loader.ready.then((core) => {
      clearTimeout(this.pending);
      this.pending = setTimeout(() => {
        byId('codeBookYear').textContent = core.yearLabels()[this.year];
        this.tables = core.codeBook(this.year);
        this.render();
      });
    });
  }

  render() {
    const query = this.search.value.trim().toLowerCase();
    const found = this.tables.map((table) => ({ table, rows: table.rows.filter((row) => matches(row, query)) }))
      .filter(({ rows }) => rows.length > 0);
    const count = found.reduce((sum, { rows }) => sum + rows.length, 0);
    byId('codeBookTables').replaceChildren(
      ...exactFirst(found, query).map(({ table, rows }) => tableOf(table, rows, query !== '')));
    byId('codeBookCount').textContent = query === '' ? '' : `${count} found`;
  }
}
