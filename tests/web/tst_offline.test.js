// Loading: once loaded, the page reloads and decodes with the network off; a
// core that cannot be fetched is told, and Retry loads it.
import { test, expect } from '@playwright/test';
import { readGoodPlates } from './good_plates.js';
import { enterPlate, expectFocus, openPage, results, whenReady } from './page_driver.js';

test('the page reloads and decodes offline after one visit', async ({ page, context }) => {
  await openPage(page);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await context.setOffline(true);
  await page.reload();
  await whenReady(page);
  const [{ plate, results: expected }] = readGoodPlates();
  await enterPlate(page, plate);
  await page.click('#cmdDecode');
  expect(await results(page)).toEqual(expected);
  await expect(page.locator('#plateImage')).toHaveJSProperty('naturalWidth', 420);
});

test('a core that cannot be fetched is told; the fields take typing, Decode waits, Retry loads it', async ({ page }) => {
  await page.route('**/decoder.wasm', (route) => route.abort());
  await page.goto('./');
  const notice = page.getByRole('alert');
  await expect(notice.locator('span')).toHaveText(
    'The decoder could not be loaded. Check the connection, then try again.');
  await expectFocus(page, 'txtBody');
  await page.keyboard.type('65a');
  await expect(page.locator('#txtBody')).toHaveValue('65A');
  const [{ plate, results: expected }] = readGoodPlates();
  await enterPlate(page, plate);
  await page.click('#cmdDecode');
  expect(await results(page)).toEqual(Array(12).fill(''));
  await page.evaluate(() => navigator.serviceWorker.ready);

  await page.unroute('**/decoder.wasm');
  await notice.getByRole('button', { name: 'Retry' }).click();
  await expect(notice).toHaveCount(0);
  await expect(page.locator('#lblUnitResult')).toHaveText(expected[11]);
  expect(await results(page)).toEqual(expected);
});
