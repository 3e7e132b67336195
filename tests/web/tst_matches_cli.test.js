// The page and the built tarnwick-decode judge the same plates alike: a few
// hundred, built from the core's own tables, of every year and both modes,
// good ones and ones with each field empty or wrong.
import { test, expect } from '@playwright/test';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { FIELDS, RESULTS, chooseYear, openPage } from './page_driver.js';

const TOOL = process.env.TARNWICK_DECODE ?? 'build/test/cli/tarnwick-decode';
const NAMES = Object.keys(FIELDS);

// The code book's tables of the year, by title, as lists of codes.
async function codesOf(page, year) {
  const book = await page.evaluate(async (y) => (await (await import('./decoder.js')).default()).codeBook(y), year);
  return Object.fromEntries(book.map((table) => [table.title, table.rows.map(([code]) => code)]));
}

const pick = (codes, i, stride) => codes[(i * stride) % codes.length];

function goodPlate(codes, i) {
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
function faultyPlates(base) {
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

function warrantyOnlyPlates(codes) {
  return [0, 1, 2, 3, 4, 5].flatMap((i) => {
    const { warranty } = goodPlate(codes, i);
    const plate = (text) => ({ ...Object.fromEntries(NAMES.map((n) => [n, '?'])), warranty: text });
    return [plate(warranty), plate(warranty.slice(0, 2) + '99' + warranty.slice(4)), plate(i === 0 ? '' : warranty.slice(0, 9))];
  });
}

// Enters each plate, presses Decode and records what the page shows.
async function pageOutcomes(page, plates) {
  return page.evaluate(async ({ plates, fields, labels }) => {
    const settle = () => new Promise((resolve) => setTimeout(resolve, 0));
    const dialog = document.getElementById('messageBox');
    const outcomes = [];
    for (const plate of plates) {
      for (const [name, id] of Object.entries(fields)) {
        const input = document.getElementById(id);
        if (!input.disabled) input.value = plate[name];
      }
      document.getElementById('cmdDecode').click();
      if (!dialog.open) {
        outcomes.push({ results: labels.map((id) => document.getElementById(id).textContent) });
        continue;
      }
      const message = document.getElementById('messageText').textContent;
      const closed = new Promise((resolve) => dialog.addEventListener('close', resolve, { once: true }));
      dialog.querySelector('button').click();
      await closed;
      await settle(); // the page moves the focus once the box has closed
      outcomes.push({ message, focus: document.activeElement.id });
    }
    return outcomes;
  }, { plates, fields: FIELDS, labels: RESULTS });
}

function toolOutcomes(yearLabel, warrantyOnly, plates) {
  const quote = (text) => `"${text.replaceAll('"', '""')}"`;
  const csv = [['year', 'warranty_only', ...NAMES].join(',')]
    .concat(plates.map((p) => [yearLabel, warrantyOnly ? '1' : '0', ...NAMES.map((n) => quote(p[n]))].join(',')))
    .join('\n') + '\n';
  const file = join(mkdtempSync(join(tmpdir(), 'tarnwick-web-')), 'plates.csv');
  writeFileSync(file, csv);
  let output;
  try {
    output = execFileSync(TOOL, ['--batch', file, '--format', 'jsonl'], { encoding: 'utf8' });
  } catch (failure) {
    output = failure.stdout; // exit status 1 when some plate has an error
  }
  return output.trim().split('\n').map((line) => JSON.parse(line)).map((record) => (record.ok
    ? { results: Object.values(record.results) }
    : { message: record.error.lines.join('\n'), focus: FIELDS[record.error.field] }));
}

const LABELS = ['1964-1/2', '1965', '1966', '1967', '1968', '1969', '1970'];

for (const [year, label] of LABELS.entries()) {
  test(`${label}: the page and tarnwick-decode agree in both modes`, async ({ page }) => {
    await openPage(page);
    await chooseYear(page, year);
    const codes = await codesOf(page, year);
    const good = [0, 1, 2, 3, 4, 5, 6, 7].map((i) => goodPlate(codes, i));
    const normal = [...good, ...faultyPlates(good[0])];
    const alone = warrantyOnlyPlates(codes);

    expect(await pageOutcomes(page, normal)).toEqual(toolOutcomes(label, false, normal));
    await page.check('#chkWarranty');
    expect(await pageOutcomes(page, alone)).toEqual(toolOutcomes(label, true, alone));
  });
}
