// The page and the built tarnwick-decode judge the same plates alike: a few
// hundred, built from the core's own tables, of every year and both modes,
// good ones and ones with each field empty or wrong.
import { test, expect } from '@playwright/test';
import { FIELDS, RESULTS, chooseYear, openPage } from './page_driver.js';
import {
  LABELS, NAMES, codesOf, faultyPlates, goodPlate, tempDir, toolOutput, warrantyOnlyPlates, writeCsv,
} from './table_plates.js';

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
  const rows = plates.map((p) => [yearLabel, warrantyOnly ? '1' : '0', ...NAMES.map((n) => p[n])]);
  const file = writeCsv(tempDir(), 'plates.csv', ['year', 'warranty_only', ...NAMES], rows);
  return toolOutput(['--batch', file, '--format', 'jsonl']).toString().trim().split('\n')
    .map((line) => JSON.parse(line)).map((record) => (record.ok
      ? { results: Object.values(record.results) }
      : { message: record.error.lines.join('\n'), focus: FIELDS[record.error.field] }));
}

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
