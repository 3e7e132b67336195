// Measures the web page in Debian's chromium against the project's own
// static server: bytes sent on a first visit (compressed, service worker's
// caching included), time until the page is ready after navigation, and
// Decode click to results on screen; then first and repeat visits on a
// throttled phone (PHONE below: Chromium's CPU and network throttling).
//
// Usage: node bench/web/page_benchmark.js [SITE_DIR [OTHER_SITE_DIR]]
//   SITE_DIR defaults to build/web/site; with OTHER_SITE_DIR (an earlier
//   build, say) the phone visits alternate between the two sites, so that
//   both meet the same load on a shared machine, and both are reported.
import { chromium } from '@playwright/test';
import { resolve } from 'node:path';
import { serveSite } from '../../scripts/serve_web.js';
import { readGoodPlates } from '../../tests/web/good_plates.js';
import { FIELDS } from '../../tests/web/page_driver.js';
import { CHROMIUM_ARGS } from '../../tests/web/playwright.config.js';

const SITE = resolve(process.argv[2] ?? 'build/web/site');
const PORT = 8766;
const URL = `http://127.0.0.1:${PORT}/`;
const LOADS = 15;
const DECODES = 200;
const PHONE_VISITS = 25;
const OTHER_SITE = process.argv[3] && resolve(process.argv[3]);
// A mid-range phone on a slow 4G link: 360x740 touch screen, CPU slowed four
// times, 400 ms round trips, 1.6 Mbit/s down and 750 kbit/s up.
const PHONE = {
  context: { viewport: { width: 360, height: 740 }, deviceScaleFactor: 2, isMobile: true, hasTouch: true },
  cpuSlowdown: 4,
  network: { offline: false, latency: 400, downloadThroughput: 1.6e6 / 8, uploadThroughput: 750e3 / 8 },
};
// The 1964-1/2 good plate, keyed by field id, from the test build's export.
const PLATES = process.env.TARNWICK_GOOD_PLATES ?? 'build/test/tests/web/good_plates.json';
const PLATE = Object.fromEntries(Object.entries(readGoodPlates(PLATES)[0].plate)
  .map(([name, text]) => [FIELDS[name], text]));

// The core loaded and the page ready to decode.
const coreLoaded = (page) => page.waitForFunction(
  () => performance.getEntriesByName('tarnwick-ready').length > 0, null, { timeout: 60_000 });
const sorted = (values) => [...values].sort((a, b) => a - b);
const median = (values) => sorted(values)[Math.floor(values.length / 2)];
// The middle half of the visits, for how far one sitting's visits spread.
const quartiles = (values) => [0.25, 0.75].map((q) => sorted(values)[Math.floor((values.length - 1) * q)]);
const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;
const ms = (value) => `${value.toFixed(2)} ms`;

let sent = [];
const server = await serveSite(SITE, PORT, (path, bytes) => sent.push({ path, bytes }));
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: CHROMIUM_ARGS });

// A first visit in a fresh profile, until the service worker has cached
// every file.
async function firstVisit() {
  sent = [];
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(URL);
  await coreLoaded(page);
  await page.evaluate(() => navigator.serviceWorker.ready);
  const timing = await page.evaluate(() => {
    const [navigation] = performance.getEntriesByType('navigation');
    const [ready] = performance.getEntriesByName('tarnwick-ready');
    return { interactive: navigation.domInteractive, loaded: navigation.loadEventEnd, ready: ready.startTime };
  });
  await context.close();
  return { timing, sent: [...sent] };
}

async function decodeTimes() {
  const page = await browser.newPage();
  await page.goto(URL);
  await coreLoaded(page);
  for (const [id, text] of Object.entries(PLATE)) await page.fill(`#${id}`, text);
  // The click's work and the layout of the results, done in one task.
  const handler = await page.evaluate((count) => {
    const times = [];
    const button = document.getElementById('cmdDecode');
    const label = document.getElementById('lblUnitResult');
    for (let i = 0; i < count; i += 1) {
      label.textContent = '';
      const start = performance.now();
      button.click();
      void document.body.offsetHeight;
      times.push(performance.now() - start);
    }
    return times;
  }, DECODES);
  // Real clicks: Event Timing's processing time, and its duration to the
  // next painted frame (which includes waiting for the frame itself).
  await page.evaluate(() => {
    window.clickTimings = [];
    new PerformanceObserver((list) => {
      for (const entry of list.getEntries()) {
        if (entry.name === 'click') window.clickTimings.push([entry.processingEnd - entry.startTime, entry.duration]);
      }
    }).observe({ type: 'event', durationThreshold: 0, buffered: false });
  });
  for (let i = 0; i < 30; i += 1) await page.click('#cmdDecode');
  await page.waitForTimeout(200);
  const clicks = await page.evaluate(() => window.clickTimings);
  await page.close();
  return { handler, processing: clicks.map(([p]) => p), painted: clicks.map(([, d]) => d) };
}

// Milliseconds after navigation start: the fields painted and taking typing
// (the last field's label painted, by the browser's Element Timing; an
// earlier build's mark, or the core's time, where the page times no such
// label), the core loaded (Decode works), the first paint.
const pageTimes = (page) => page.evaluate(async () => {
  const mark = (name) => performance.getEntriesByName(name)[0]?.startTime;
  const painted = await new Promise((resolve) => {
    new PerformanceObserver((list) => {
      const label = list.getEntries().find((entry) => entry.identifier === 'plate-fields');
      if (label) resolve(label.renderTime);
    }).observe({ type: 'element', buffered: true });
    setTimeout(resolve, 100);
  });
  const core = mark('tarnwick-ready');
  return { fields: painted ?? mark('tarnwick-fields') ?? core, core, paint: mark('first-contentful-paint') };
});

async function throttle(page) {
  const session = await page.context().newCDPSession(page);
  await session.send('Network.enable');
  await session.send('Network.emulateNetworkConditions', PHONE.network);
  await session.send('Emulation.setCPUThrottlingRate', { rate: PHONE.cpuSlowdown });
}

// A first visit in a fresh profile, then a repeat visit served by the
// service worker, both throttled.
async function phoneVisits(url) {
  const context = await browser.newContext(PHONE.context);
  const page = await context.newPage();
  await throttle(page);
  const open = async (go) => {
    await go();
    await coreLoaded(page);
    return pageTimes(page);
  };
  const first = await open(() => page.goto(url));
  await page.evaluate(() => navigator.serviceWorker.ready);
  const repeat = await open(() => page.goto(url));
  await context.close();
  return { first, repeat };
}

const visits = [];
for (let i = 0; i < LOADS; i += 1) visits.push(await firstVisit());
const files = visits[0].sent;
const total = files.reduce((sum, f) => sum + f.bytes, 0);
const decode = await decodeTimes();
const sites = [{ dir: SITE, url: URL, visits: [] }];
if (OTHER_SITE) {
  sites.push({ dir: OTHER_SITE, url: `http://127.0.0.1:${PORT + 1}/`, visits: [] });
  await serveSite(OTHER_SITE, PORT + 1);
}
for (let i = 0; i < PHONE_VISITS; i += 1) {
  for (const site of sites) site.visits.push(await phoneVisits(site.url));
}

console.log(`Site: ${SITE}`);
console.log(`First visit, bytes sent compressed (${files.length} responses, service worker's caching included): ${kb(total)}`);
for (const f of files) console.log(`    ${f.path.padEnd(24)} ${f.bytes}`);
console.log(`Median of ${LOADS} first visits after navigation start:`);
console.log(`  domInteractive ${ms(median(visits.map((v) => v.timing.interactive)))}`);
console.log(`  page ready (core loaded, fields placed) ${ms(median(visits.map((v) => v.timing.ready)))}`);
console.log(`  load event end ${ms(median(visits.map((v) => v.timing.loaded)))}`);
console.log(`Decode click to results laid out (median of ${DECODES}): ${ms(median(decode.handler))}`);
console.log(`Real clicks (median of ${decode.processing.length}): processing ${ms(median(decode.processing))},`
  + ` to next painted frame ${ms(median(decode.painted))}`);

const phoneLine = (visits, visit) => {
  const times = (what) => visits.map((v) => v[visit][what]);
  const [low, high] = quartiles(times('core')).map((t) => t.toFixed(0));
  return ['paint', 'fields', 'core'].map((what) => `${what} ${ms(median(times(what)))}`).join(', ')
    + ` (core's quartiles ${low}–${high} ms)`;
};
console.log(`Throttled phone (${JSON.stringify(PHONE)}), median of ${PHONE_VISITS}:`);
for (const { dir, visits } of sites) {
  console.log(`  ${dir}`);
  console.log(`    first visit:  ${phoneLine(visits, 'first')}`);
  console.log(`    repeat visit: ${phoneLine(visits, 'repeat')}`);
}
// Visits of the two sites alternate, so each pair met the same load; the
// median of the pairs' differences is steadier than two medians' difference.
if (sites.length === 2) {
  for (const visit of ['first', 'repeat']) {
    for (const what of ['fields', 'core']) {
      const [ours, theirs] = sites.map((site) => site.visits.map((v) => v[visit][what]));
      const differences = ours.map((time, i) => time - theirs[i]);
      const faster = differences.filter((d) => d < 0).length;
      console.log(`  ${visit} visit, ${what}, ${SITE} less ${OTHER_SITE}: median of the pairs' differences`
        + ` ${ms(median(differences))}, sooner in ${faster} of ${differences.length} pairs`);
    }
  }
}

await browser.close();
process.exit(0); // the servers with them
