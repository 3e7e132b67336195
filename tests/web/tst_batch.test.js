// The batch section: a registry made from the core's tables decoded in the
// page gives the very bytes tarnwick-decode --batch writes, with default
// options and as a spreadsheet's export; Cancel, a failing row taken into
// the form, a file shared to the app, and nothing sent while decoding.
import { test, expect } from '@playwright/test';
import { dirname } from 'node:path';
import { readGoodPlates } from './good_plates.js';
import {
  FIELDS, answerMessage, batchOutcome, decodeAgain, decodeFile, expectFocus, openPage,
} from './page_driver.js';
import { NAMES, toolOutput, toolRun, writeRegistry } from './table_plates.js';

// As a spreadsheet on Windows saves it: other names, ';', CR LF,
// Windows-1252; decoded to CSV for the same spreadsheet.
const EXPORT_HEADER = ['Model Year', 'Warranty Only', 'VIN', 'Body', 'Paint', 'Trim', 'Date', 'DSO', 'Axle', 'Trans',
  'Owner'];
const EXPORT_FORMAT = { delimiter: ';', lineEnd: '\r\n', encoding: 'latin1' };
const EXPORT_MAP = { year: 'Model Year', warranty: 'VIN', color: 'Paint', warranty_only: 'Warranty Only' };

// An older browser, without synchronous files in workers or files read as
// byte streams: the file is read as its stream hands it out and the output
// kept as a streamed Blob.
const OLDER_BROWSER = `delete FileSystemFileHandle.prototype.createSyncAccessHandle;
const defaultReader = ReadableStream.prototype.getReader;
ReadableStream.prototype.getReader = function getReader() { return defaultReader.call(this); };
`;

const CASES = [
  { format: 'csv', spreadsheet: false },
  { format: 'jsonl', spreadsheet: false, older: true },
  { format: 'csv', spreadsheet: true },
  { format: 'jsonl', spreadsheet: true },
];

for (const { format, spreadsheet, older } of CASES) {
  test(`${format}${spreadsheet ? ", a ';' Windows-1252 export with mapped columns," : ''}${older ? ' in an older browser,' : ''}`
    + ' as tarnwick-decode writes it', async ({ page }) => {
      if (older) {
        await page.context().route('**/batch_worker.js', async (route) => {
          const response = await route.fetch();
          await route.fulfill({ response, body: OLDER_BROWSER + await response.text() });
        });
      }
      await openPage(page);
      const file = await (spreadsheet ? writeRegistry(page, EXPORT_HEADER, EXPORT_FORMAT) : writeRegistry(page));
      let outcome = null;
      if (spreadsheet) {
        // Read as UTF-8 with the usual names, the header lacks columns.
        await page.setInputFiles('#batchFile', file);
        const refused = toolRun(['--batch', 'registry.csv'], dirname(file));
        expect(refused.status).toBe(2);
        await expect(page.locator('#batchSummary')).toHaveText(refused.says);
      } else {
        outcome = await decodeFile(page, file);
      }
      await page.selectOption('#batchFormat', format);
      const args = ['--batch', file, '--format', format];
      if (spreadsheet) {
        await page.selectOption('#batchDelimiter', ';');
        await page.selectOption('#batchEncoding', 'windows-1252');
        args.push('--delimiter', ';', '--encoding', 'windows-1252');
        for (const [name, header] of Object.entries(EXPORT_MAP)) {
          await page.selectOption(`#batchMap-${name}`, { label: header });
          args.push('--map', `${name}=${header}`);
        }
      }
      if (spreadsheet && format === 'csv') {
        await page.selectOption('#batchOutputDelimiter', ';');
        await page.check('#batchBom');
        await page.check('#batchCrlf');
        args.push('--output-delimiter', ';', '--bom', '--crlf');
      }
      if (format !== 'csv' || spreadsheet) outcome = await decodeAgain(page, outcome);
      const { output: expected, says } = toolRun(args);
      expect(outcome.name).toBe(`registry-decoded.${format}`);
      expect(outcome.summary).toBe(says);
      expect(outcome.bytes.toString('latin1')).toBe(expected.toString('latin1'));

      // The choices are remembered for the next file.
      await page.reload();
      expect((await decodeFile(page, file)).bytes.toString('latin1')).toBe(expected.toString('latin1'));
    });
}

test('Cancel stops a dropped file at once, with nothing offered for download', async ({ page }) => {
  await openPage(page);
  const { plate, results: [year] } = readGoodPlates()[2];
  await page.evaluate(({ header, row }) => {
    const data = new DataTransfer();
    data.items.add(new File([`${header}\n`, `${row}\n`.repeat(2_000_000)], 'big.csv', { type: 'text/csv' }));
    document.getElementById('batch').dispatchEvent(new DragEvent('drop', { dataTransfer: data, bubbles: true, cancelable: true }));
  }, { header: ['year', ...NAMES].join(','), row: [year, ...NAMES.map((n) => plate[n])].join(',') });
  await expect(page.locator('#batchRate')).toHaveText(/^[1-9][\d,]* rows, [\d,]+ rows\/s$/, { timeout: 20_000 });
  await page.click('#batchCancel');
  await expect(page.locator('#batchSummary')).toHaveText(/^Cancelled after [1-9][\d,]* rows\.$/);
  await expect.poll(() => page.workers().length).toBe(0);
  await expect(page.locator('#batchDownload')).toBeHidden();
  await expect(page.locator('#batchStart')).toBeEnabled();
});

test('a failing row opens in the form with its year, the field at fault focused, the same message', async ({ page }) => {
  await openPage(page);
  const file = await writeRegistry(page);
  await decodeFile(page, file);
  const records = toolOutput(['--batch', file, '--format', 'jsonl']).toString().trim().split('\n').map(JSON.parse);
  const failing = records.find((r) => !r.ok && r.input.year === '1967' && r.input.warranty_only === '0');
  await page.getByRole('button', { name: `Open row ${failing.row} in the form` }).click();

  await expect(page.locator('#opt1967')).toBeChecked();
  await expectFocus(page, FIELDS[failing.error.field]);
  for (const name of NAMES) await expect(page.locator(`#${FIELDS[name]}`)).toHaveValue(failing.input[name]);
  await page.click('#cmdDecode');
  expect((await answerMessage(page)).text).toBe(failing.error.lines.join('\n'));
});

test('a file shared to the app is decoded in the batch section', async ({ page }) => {
  await openPage(page);
  await page.evaluate(() => navigator.serviceWorker.ready);
  const file = await writeRegistry(page);
  await page.evaluate(() => {
    const form = Object.assign(document.createElement('form'), { method: 'post', enctype: 'multipart/form-data', action: 'share' });
    form.append(Object.assign(document.createElement('input'), { type: 'file', name: 'file', id: 'shareFile' }));
    document.body.append(form);
  });
  await page.setInputFiles('#shareFile', file);
  await page.evaluate(() => document.querySelector('form[action="share"]').submit());
  expect((await batchOutcome(page)).bytes.toString('latin1')).toBe(toolOutput(['--batch', file]).toString('latin1'));
});

test('nothing leaves the device: the section fetches only its own code, once', async ({ page, context }) => {
  await openPage(page);
  const file = await writeRegistry(page);
  const requests = [];
  context.on('request', (request) => requests.push(`${request.method()} ${new URL(request.url()).pathname}`));
  const first = await decodeFile(page, file);
  expect([...new Set(requests)].sort()).toEqual([
    'GET /batch.css', 'GET /batch.js', 'GET /batch.wasm', 'GET /batch_output.js', 'GET /batch_panel.html',
    'GET /batch_report.js', 'GET /batch_section.js', 'GET /batch_worker.js', 'GET /dom.js',
  ]);
  requests.length = 0;
  await decodeAgain(page, first);
  expect(requests).toEqual([]);
});
