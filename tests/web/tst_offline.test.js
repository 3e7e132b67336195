// Once loaded, the page reloads and decodes with the network off.
import { test, expect } from '@playwright/test';
import { readGoodPlates } from './good_plates.js';
import { enterPlate, openPage, results } from './page_driver.js';

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
