// axe-core finds no violation on the page, wide and phone-sized, nor with a
// message box open.
import { test, expect } from '@playwright/test';
import { createRequire } from 'node:module';
import { openPage } from './page_driver.js';

const AXE = createRequire(import.meta.url).resolve('axe-core/axe.min.js');

async function violations(page) {
  if (!(await page.evaluate(() => 'axe' in window))) await page.addScriptTag({ path: AXE });
  const found = await page.evaluate(async () => (await window.axe.run(document)).violations);
  return found.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
}

test('no axe violations on the page, wide and phone-sized, and on an open message box', async ({ page }) => {
  await openPage(page);
  await page.click('summary >> nth=1');
  expect(await violations(page)).toEqual([]);
  await page.setViewportSize({ width: 360, height: 740 });
  expect(await violations(page)).toEqual([]);
  await page.click('#cmdDecode');
  await expect(page.locator('#messageBox')).toBeVisible();
  expect(await violations(page)).toEqual([]);
});
