// Once loaded, the page reloads and decodes with the network off; once
// used, so does the batch section.
import { test, expect } from '@playwright/test';
import { readGoodPlates } from './good_plates.js';
import { decodeFile, enterPlate, openPage, results } from './page_driver.js';
import { NAMES, tempDir, writeCsv } from './table_plates.js';

test('the page reloads and decodes offline after one visit', async ({ page, context }) => {
  await openPage(page);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await context.setOffline(true);
  await page.reload();
  await page.waitForSelector('html[data-ready]');
  const [{ plate, results: expected }] = readGoodPlates();
  await enterPlate(page, plate);
  await page.click('#cmdDecode');
  expect(await results(page)).toEqual(expected);
  await expect(page.locator('#plateImage')).toHaveJSProperty('naturalWidth', 420);
});

test('a file decodes offline once the batch section has been used', async ({ page, context }) => {
  const rows = readGoodPlates().map(({ plate, results: [year] }) => [year, ...NAMES.map((n) => plate[n])]);
  const file = writeCsv(tempDir(), 'cars.csv', ['year', ...NAMES], rows);
  await openPage(page);
  await page.evaluate(() => navigator.serviceWorker.ready);
  const online = await decodeFile(page, file);
  await context.setOffline(true);
  await page.reload();
  await page.waitForSelector('html[data-ready]');
  const offline = await decodeFile(page, file);
  expect(offline.summary).toBe('7 rows read, 7 decoded, 0 failed');
  expect(offline.bytes.equals(online.bytes)).toBe(true);
});
