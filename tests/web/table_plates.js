// Plates made from the core's own tables, of every year and both modes,
// good ones and ones with each field empty or wrong, for judging the page
// against the built tarnwick-decode.
import { spawnSync } from 'node:child_process';
import { mkdtempSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { FIELDS } from './page_driver.js';

export const TOOL = resolve(process.env.TARNWICK_DECODE ?? 'build/test/cli/tarnwick-decode');
export const NAMES = Object.keys(FIELDS);
export const LABELS = ['1964-1/2', '1965', '1966', '1967', '1968', '1969', '1970'];

// The code book's tables of the year, by title, as lists of codes.
export async function codesOf(page, year) {
  const book = await page.evaluate(async (y) => {
    const { startCore } = await import('./decoder_core.js');
    const core = await startCore(new Uint8Array(await (await fetch('decoder.wasm')).arrayBuffer()));
    return core.codeBook(y);
  }, year);
  return Object.fromEntries(book.map((table) => [table.title, table.rows.map(([code]) => code)]));
}

const pick = (codes, i, stride) => codes[(i * stride) % codes.length];

export function goodPlate(codes, i) {
  const [bodyCode, serial] = pick(codes['Body Style'], i, 1).split(' / ');
  const months = codes['Assembly Date'];
  return {
    warranty: codes.Year[0] + pick(codes['Assembly Plant'], i, 1) + serial + pick(codes.Engine, i, 3)
      + String(100000 + i * 7919).slice(-6),
    body: bodyCode + pick(codes['Interior Type'], i, 1),
    color: pick(codes['Exterior Color'], i, 5),
    trim: pick(codes['Interior Color'], i, 7),
    date: months ? String(1 + ((i * 11) % 31)).padStart(2, '0') + pick(months, i, 5) : '',
    dso: pick(codes['District Sales Office'], i, 13),
    axle: pick(codes['Rear Axle Ratio'], i, 1),
    trans: pick(codes.Transmission, i, 1),
  };
}

// Each field emptied, given a stray character and given a near miss.
export function faultyPlates(base) {
  const plates = [];
  const misses = {
    warranty: ['1' + base.warranty.slice(1), base.warranty.slice(0, 1) + 'Q' + base.warranty.slice(2),
      base.warranty.slice(0, 2) + '99' + base.warranty.slice(4), base.warranty.slice(0, 4) + '#' + base.warranty.slice(5),
      base.warranty.slice(0, 10), base.warranty.slice(0, 10) + 'X'],
    body: ['00' + base.body.slice(2), base.body.slice(0, 2) + '#'],
    date: ['00A', '32A', '05I', '5A'],
  };
  for (const name of NAMES) {
    for (const text of ['', ' ', '#', ...(misses[name] ?? [])]) plates.push({ ...base, [name]: text });
  }
  return plates;
}

export function warrantyOnlyPlates(codes) {
  return [0, 1, 2, 3, 4, 5].flatMap((i) => {
    const { warranty } = goodPlate(codes, i);
    const plate = (text) => ({ ...Object.fromEntries(NAMES.map((n) => [n, '?'])), warranty: text });
    return [plate(warranty), plate(warranty.slice(0, 2) + '99' + warranty.slice(4)), plate(i === 0 ? '' : warranty.slice(0, 9))];
  });
}

// A registry as a club keeps it: every year, both modes, a third of the
// rows failing, and an owner column carried through. Rows of
// [year, warranty_only, warranty … trans, owner], owners with letters
// beyond ASCII and one holding a delimiter.
export async function registryRows(page) {
  const rows = [];
  const owners = ['Zoë Brandt', 'Renée Côté', 'Smith; Jones, Jr.', 'Jürgen Weiß'];
  for (const [year, label] of LABELS.entries()) {
    const codes = await codesOf(page, year);
    const good = [0, 1, 2, 3, 4, 5, 6, 7].map((i) => goodPlate(codes, i));
    const faulty = faultyPlates(good[0]).filter((_, i) => i % 7 === year % 7).slice(0, 4);
    const alone = warrantyOnlyPlates(codes);
    const entries = [
      ...good.map((plate) => [plate, '0']),
      ...faulty.map((plate) => [plate, '0']),
      ...[0, 3, 6, 9].map((i) => [alone[i], 'yes']),
      [alone[1], '1'], [alone[5], 'TRUE'],
    ];
    entries.forEach(([plate, flag], i) => rows.push([label, flag, ...NAMES.map((n) => plate[n]), owners[i % 4]]));
  }
  return rows;
}

export const REGISTRY_HEADER = ['year', 'warranty_only', ...NAMES, 'owner'];

// The registry as a CSV file registry.csv, under header, written as format
// says (see writeCsv).
export async function writeRegistry(page, header = REGISTRY_HEADER, format = {}) {
  return writeCsv(tempDir(), 'registry.csv', header, await registryRows(page), format);
}

const quoted = (text, delimiter) => (/["\r\n]/.test(text) || text.includes(delimiter)
  ? `"${text.replaceAll('"', '""')}"` : text);

// The rows under header as a CSV file in dir; bytes as the encoding writes them.
export function writeCsv(dir, name, header, rows, { delimiter = ',', lineEnd = '\n', encoding = 'utf8' } = {}) {
  const text = [header, ...rows].map((row) => row.map((f) => quoted(f, delimiter)).join(delimiter) + lineEnd).join('');
  const file = join(dir, name);
  writeFileSync(file, Buffer.from(text, encoding));
  return file;
}

export const tempDir = () => mkdtempSync(join(tmpdir(), 'tarnwick-web-'));

// What tarnwick-decode writes to standard output; a failing row gives exit
// status 1, with every row still written.
export function toolOutput(args) {
  return toolRun(args).output;
}

// Its output, exit status and what it says on standard error (the summary
// line when a row failed, or the problem that stopped it), run in cwd.
export function toolRun(args, cwd = undefined) {
  const run = spawnSync(TOOL, args, { cwd });
  if (run.status === null || run.status > 2) throw new Error(`${TOOL} ${args.join(' ')}: ${run.stderr}`);
  return { output: run.stdout, status: run.status, says: run.stderr.toString().replace(/^tarnwick-decode: /, '').trimEnd() };
}
