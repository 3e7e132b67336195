// Once loaded, the page reloads and decodes with the network off.
import { test, expect } from '@playwright/test';
import { enterPlate, openPage, results } from './page_driver.js';

test('the page reloads and decodes offline after one visit', async ({ page, context }) => {
  await openPage(page);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await context.setOffline(true);
  await page.reload();
  await page.waitForSelector('html[data-ready]');
  await enterPlate(page, {
    warranty: '5F07K100001', body: '65A', color: 'A', trim: '42', date: '12C', dso: '11', axle: '1', trans: '1',
  });
  await page.click('#cmdDecode');
  expect((await results(page))[1]).toBe('Coupe');
  await expect(page.locator('#plateImage')).toHaveJSProperty('naturalWidth', 420);
});
