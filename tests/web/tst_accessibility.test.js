// axe-core finds no violation on the page, wide and phone-sized, nor with a
// message box open, in the light and the dark theme, with results shown,
// nor with a file decoded, its failing rows and charts shown, on screen and
// printed.
import { test, expect } from '@playwright/test';
import { createRequire } from 'node:module';
import { decodeFile, enterPlate, openPage } from './page_driver.js';
import { readGoodPlates } from './good_plates.js';
import { writeRegistry } from './table_plates.js';

const AXE = createRequire(import.meta.url).resolve('axe-core/axe.min.js');

async function violations(page) {
  if (!(await page.evaluate(() => 'axe' in window))) await page.addScriptTag({ path: AXE });
  const found = await page.evaluate(async () => (await window.axe.run(document)).violations);
  return found.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
}

for (const colorScheme of ['light', 'dark']) {
  test(`no axe violations on the page, wide and phone-sized, and on an open message box, ${colorScheme}`, async ({ page }) => {
    await page.emulateMedia({ colorScheme });
    await openPage(page);
    await enterPlate(page, readGoodPlates()[0].plate);
    await page.click('#cmdDecode');
    await page.click('summary >> nth=1');
    expect(await violations(page)).toEqual([]);
    await page.setViewportSize({ width: 360, height: 740 });
    expect(await violations(page)).toEqual([]);
    await page.click('#cmdClear');
    await page.click('#cmdDecode');
    await expect(page.locator('#messageBox')).toBeVisible();
    expect(await violations(page)).toEqual([]);
  });

  test(`no axe violations in the batch section with a file decoded, on screen and in print, ${colorScheme}`, async ({ page }) => {
    await page.emulateMedia({ colorScheme });
    await openPage(page);
    await decodeFile(page, await writeRegistry(page));
    await expect(page.locator('#batchReport figure')).toHaveCount(4);
    await expect(page.locator('#batchFailureTable')).toBeVisible();
    expect(await violations(page)).toEqual([]);
    await page.emulateMedia({ media: 'print' });
    expect(await violations(page)).toEqual([]);
  });
}
