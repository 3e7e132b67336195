// Loading and the offline copy: once loaded, the page reloads and decodes
// with the network off, and so does the batch section once used; a core that
// cannot be started is told, and Retry loads it; a phone's fields take typing
// before the page's script runs; the install icons and the manifest's ways
// of opening a file, and what the user is told of the offline copy.
import { test, expect } from '@playwright/test';
import { readGoodPlates } from './good_plates.js';
import { decodeFile, enterPlate, expectFocus, openPage, results, whenReady } from './page_driver.js';
import { NAMES, tempDir, writeCsv } from './table_plates.js';

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
  expect(offline.bytes.toString('latin1')).toBe(online.bytes.toString('latin1'));
});

test('a core that cannot be started is told; the fields take typing, Decode waits, Retry loads it', async ({ page }) => {
  // As an older browser: no Uint8Array.fromBase64, no WebAssembly compiled
  // on the page's thread beyond 4 KB; and one that refuses to compile it at
  // all, until allowed.
  await page.addInitScript(() => {
    delete Uint8Array.fromBase64;
    WebAssembly.Module = function Module() { throw new RangeError('WebAssembly.Compile is disallowed on the main thread'); };
    const { instantiate } = WebAssembly;
    WebAssembly.instantiate = () => Promise.reject(new WebAssembly.CompileError('refused'));
    window.allowWebAssembly = () => { WebAssembly.instantiate = instantiate; };
  });
  await page.goto('./');
  const notice = page.getByRole('alert');
  await expect(notice.locator('span')).toHaveText('The decoder could not be started. Try again, or reload the page.');
  await expectFocus(page, 'txtBody');
  await page.keyboard.type('65a');
  await expect(page.locator('#txtBody')).toHaveValue('65A');
  const [{ plate, results: expected }] = readGoodPlates();
  await enterPlate(page, plate);
  await page.click('#cmdDecode');
  expect(await results(page)).toEqual(Array(12).fill(''));
  await page.evaluate(() => navigator.serviceWorker.ready);

  await page.evaluate(() => window.allowWebAssembly());
  await notice.getByRole('button', { name: 'Retry' }).click();
  await expect(notice).toHaveCount(0);
  await expect(page.locator('#lblUnitResult')).toHaveText(expected[11]);
  expect(await results(page)).toEqual(expected);
});

test('on a phone the fields take typing before the page\'s script runs; it rules the text and leaves the cursor', async ({ page }) => {
  // The page as a phone paints it before its script has run: the script is
  // held back until the typing is done.
  await page.route((url) => url.pathname === '/', async (route) => {
    const html = await (await route.fetch()).text();
    await route.fulfill({
      contentType: 'text/html; charset=utf-8',
      body: html.replace('<script type="module">', '<script type="text/plain" id="heldScript">'),
    });
  });
  await page.setViewportSize({ width: 360, height: 740 });
  await page.goto('./');
  await page.locator('#txtTrim').pressSequentially('rq7');
  await page.evaluate(() => {
    const script = document.createElement('script');
    script.type = 'module';
    script.textContent = document.getElementById('heldScript').textContent;
    document.body.append(script);
  });
  await whenReady(page);
  await expect(page.locator('#txtTrim')).toHaveValue('RQ');
  await expectFocus(page, 'txtTrim');
});

test('a first visit downloads the page, the core in it, once, the offline copy included', async ({ page, context }) => {
  const downloads = [];
  context.on('requestfinished', async (request) => {
    if (new URL(request.url()).pathname === '/') downloads.push((await request.sizes()).responseBodySize);
  });
  await openPage(page);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await expect.poll(() => downloads.length).toBe(2);
  expect(downloads.filter((bytes) => bytes > 0)).toHaveLength(1);
});

// Width and height from a PNG's header.
const pngSize = (bytes) => `${bytes.readUInt32BE(16)}x${bytes.readUInt32BE(20)}`;

test('the manifest names icons of the sizes they are, a maskable one among them', async ({ page }) => {
  const manifest = await (await page.request.get('manifest.webmanifest')).json();
  expect(manifest.icons.map(({ sizes, purpose }) => `${sizes} ${purpose ?? 'any'}`)).toEqual(
    ['192x192 any', '256x256 any', '512x512 any', '512x512 maskable']);
  for (const { src, sizes } of manifest.icons) expect(pngSize(await (await page.request.get(src)).body())).toBe(sizes);
});

test('the first visit tells once that the page works offline; a new version waits for Reload', async ({ page }) => {
  await openPage(page);
  const notices = page.locator('#pageNotices .notice');
  await expect(notices).toHaveText(['The decoder now works offline.OK']);
  await notices.getByRole('button', { name: 'OK' }).click();
  await page.reload();
  await whenReady(page);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await expect(notices).toHaveCount(0);

  // The same script under another address is a new version to the browser.
  await page.evaluate(() => navigator.serviceWorker.register('sw.js?next'));
  await expect(notices).toHaveText(['A new version is ready —Reload']);
  const controller = () => page.evaluate(() => navigator.serviceWorker.controller.scriptURL);
  expect(await controller()).toMatch(/sw\.js$/);
  // Listening before the click: the reload can finish before a listener set up after it.
  const reloaded = page.waitForEvent('load');
  await notices.getByRole('button', { name: 'Reload' }).click();
  await reloaded;
  await whenReady(page);
  expect(await controller()).toMatch(/sw\.js\?next$/);
});

test('a browser older than the page supports gets a plain message instead of the form', async ({ page }) => {
  await page.addInitScript(() => { delete HTMLDialogElement.prototype.showModal; });
  await page.goto('./');
  await expect(page.locator('#oldBrowser')).toHaveText(
    'This page needs a newer browser: Safari 15.4, Chrome or Edge 100, Firefox 100, or later.');
  await expect(page.locator('#oldBrowser')).toBeVisible();
  await expect(page.locator('#frmDecoder')).toBeHidden();
});
