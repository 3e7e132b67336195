// Measures the page's batch section in Debian's chromium beside
// tarnwick-decode --batch in the same sitting: rows/s of both on one
// generated file of mixed plates (a fifth failing), and the memory of the
// page's renderer (which runs the worker) and of the browser process while
// a large file is decoded, sampled from /proc.
//
// Usage: node bench/web/batch_benchmark.js [ROWS] [LARGE_MB]   (defaults 1000000, 300)
// Environment: TARNWICK_WEB_DIR (build/web/site), TARNWICK_DECODE
// (build/test/cli/tarnwick-decode), TARNWICK_GOOD_PLATES
// (build/test/tests/web/good_plates.json), WORK_DIR (a temporary folder).
import { chromium } from '@playwright/test';
import { spawnSync } from 'node:child_process';
import { createWriteStream, mkdtempSync, readFileSync, readdirSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { serveSite } from '../../scripts/serve_web.js';
import { readGoodPlates } from '../../tests/web/good_plates.js';
import { CHROMIUM_ARGS } from '../../tests/web/playwright.config.js';

const ROWS = Number(process.argv[2] ?? 1_000_000);
const LARGE_MB = Number(process.argv[3] ?? 300);
const SITE = resolve(process.env.TARNWICK_WEB_DIR ?? 'build/web/site');
const TOOL = resolve(process.env.TARNWICK_DECODE ?? 'build/test/cli/tarnwick-decode');
const PLATES = readGoodPlates(process.env.TARNWICK_GOOD_PLATES ?? 'build/test/tests/web/good_plates.json');
const PORT = 8767;
const REPEAT = 5;
const work = process.env.WORK_DIR ?? mkdtempSync(join(tmpdir(), 'tarnwick-batch-bench-'));

const NAMES = ['warranty', 'body', 'color', 'trim', 'date', 'dso', 'axle', 'trans'];
const LABELS = ['1964-1/2', '1965', '1966', '1967', '1968', '1969', '1970'];

// Ten rows a cycle: seven good plates, one decoded from the warranty number
// alone, a code the decoder rejects and a missing field.
function row(i) {
  const { year, plate } = PLATES[i % 7];
  const unit = String(100000 + (i % 900000));
  const fields = { ...plate, warranty: plate.warranty.slice(0, 5) + unit };
  const kind = i % 10;
  if (kind === 7) return [LABELS[year], '1', fields.warranty, '', '', '', '', '', '', ''];
  if (kind === 8) fields.color = '?';
  if (kind === 9) fields.trim = '';
  return [LABELS[year], '0', ...NAMES.map((n) => fields[n])];
}

async function writePlates(path, rows) {
  const out = createWriteStream(path);
  const write = (text) => (out.write(text) ? null : new Promise((r) => out.once('drain', r)));
  await write(`year,warranty_only,${NAMES.join(',')}\n`);
  for (let start = 0; start < rows; start += 10000) {
    let block = '';
    for (let i = start; i < Math.min(rows, start + 10000); i += 1) block += `${row(i).join(',')}\n`;
    await write(block);
  }
  await new Promise((r) => out.end(r));
}

function toolRowsPerSecond(path, rows, output) {
  let best = Infinity;
  for (let i = 0; i < REPEAT; i += 1) {
    const start = process.hrtime.bigint();
    const run = spawnSync(TOOL, ['--batch', path, '-o', output, '-q']);
    const seconds = Number(process.hrtime.bigint() - start) / 1e9;
    if (run.status > 1) throw new Error(`${TOOL}: ${run.stderr}`);
    best = Math.min(best, seconds);
  }
  return { rate: rows / best };
}

// The processes below the browser's, with their command lines.
function descendants(root) {
  const children = new Map();
  for (const entry of readdirSync('/proc').filter((name) => /^\d+$/.test(name))) {
    try {
      const parent = Number(readFileSync(`/proc/${entry}/stat`, 'utf8').split(') ')[1].split(' ')[1]);
      if (!children.has(parent)) children.set(parent, []);
      children.get(parent).push(Number(entry));
    } catch { /* gone */ }
  }
  const found = [];
  const walk = (pid) => (children.get(pid) ?? []).forEach((child) => { found.push(child); walk(child); });
  walk(root);
  return found;
}

function rssOf(pid) {
  try {
    const line = readFileSync(`/proc/${pid}/status`, 'utf8').split('\n').find((l) => l.startsWith('VmRSS:'));
    return Number(line.split(/\s+/)[1]) * 1024;
  } catch {
    return 0;
  }
}

// The renderer processes (the page and its worker) below the browser's.
function rendererPids(browserPid) {
  return descendants(browserPid).filter((pid) => {
    try {
      return readFileSync(`/proc/${pid}/cmdline`, 'utf8').includes('--type=renderer');
    } catch {
      return false;
    }
  });
}

function memorySample(browserPid, renderers) {
  return { renderers: renderers.reduce((sum, pid) => sum + rssOf(pid), 0), browser: rssOf(browserPid) };
}

// Chooses the file in the page (or runs it again) and waits for its
// download link; returns the page's own count of rows/s, and memory samples
// when sample() is given.
async function pageRun(page, path, again, sample = null) {
  const link = page.locator('#batchDownload');
  const previous = again ? await link.getAttribute('href') : null;
  const samples = [];
  const sampler = sample && setInterval(() => samples.push(sample()), 250);
  if (again) await page.click('#batchStart');
  else await page.setInputFiles('#batchFile', path);
  await page.waitForFunction((old) => {
    const a = document.getElementById('batchDownload');
    return a && !a.hidden && a.getAttribute('href') !== old;
  }, previous, { timeout: 0, polling: 100 });
  clearInterval(sampler);
  return { rate: await page.textContent('#batchRate'), summary: await page.textContent('#batchSummary'), samples };
}

const rateOf = (text) => Number(text.match(/([\d,]+) rows\/s/)[1].replaceAll(',', ''));
const mb = (bytes) => `${(bytes / (1 << 20)).toFixed(0)} MB`;

const mixed = join(work, 'mixed.csv');
await writePlates(mixed, ROWS);
const large = join(work, 'large.csv');
const largeRows = Math.round((LARGE_MB * (1 << 20)) / (statSync(mixed).size / ROWS));
await writePlates(large, largeRows);

const server = await serveSite(SITE, PORT);
// A profile on disk, as a user's browser has (a private window keeps the
// page's files in memory).
const profile = mkdtempSync(join(tmpdir(), 'tarnwick-batch-profile-'));
const context = await chromium.launchPersistentContext(profile, { executablePath: '/usr/bin/chromium', args: CHROMIUM_ARGS });
const browserPid = descendants(process.pid).find((pid) => {
  const command = readFileSync(`/proc/${pid}/cmdline`, 'utf8');
  return command.startsWith('/usr/lib/chromium/chromium') && !command.includes('--type=');
});
const page = context.pages()[0] ?? await context.newPage();
await page.goto(`http://127.0.0.1:${PORT}/`);
await page.waitForSelector('html[data-ready]');

console.log(`${ROWS.toLocaleString('en-US')} mixed rows, ${mb(statSync(mixed).size)}, best of ${REPEAT}:`);
// The tool into nothing, and into a file as the page's download is.
const tool = toolRowsPerSecond(mixed, ROWS, '/dev/null');
const toolToFile = toolRowsPerSecond(mixed, ROWS, join(work, 'decoded.csv'));
console.log(`  tarnwick-decode --batch -o /dev/null: ${Math.round(tool.rate).toLocaleString('en-US')} rows/s;`
  + ` into a file: ${Math.round(toolToFile.rate).toLocaleString('en-US')} rows/s`);
let best = 0;
let summary = '';
for (let i = 0; i < REPEAT; i += 1) {
  const run = await pageRun(page, mixed, i > 0);
  best = Math.max(best, rateOf(run.rate));
  console.log(`    run ${i + 1}: ${run.rate}`);
  ({ summary } = run);
}
console.log(`  the page (file chosen to download link, as it shows): ${best.toLocaleString('en-US')} rows/s`);
console.log(`  page / tool: ${(best / tool.rate).toFixed(2)}, page / tool into a file: ${(best / toolToFile.rate).toFixed(2)}`
  + `   (${summary})`);

console.log(`${largeRows.toLocaleString('en-US')} rows, ${mb(statSync(large).size)}: memory sampled every 250 ms`);
await page.reload();
await page.waitForSelector('html[data-ready]');
const renderers = rendererPids(browserPid);
const sample = () => memorySample(browserPid, renderers);
const before = sample();
const { samples, rate } = await pageRun(page, large, false, sample);
const quarter = (q) => samples[Math.min(samples.length - 1, Math.floor((q * samples.length) / 4))];
console.log(`  renderer (page and worker) before ${mb(before.renderers)}; at 1/4, 2/4, 3/4, end of the run:`
  + ` ${[1, 2, 3, 4].map((q) => mb(quarter(q).renderers)).join(', ')}; peak ${mb(Math.max(...samples.map((s) => s.renderers)))}`);
console.log(`  browser process before ${mb(before.browser)}; peak ${mb(Math.max(...samples.map((s) => s.browser)))}`);
console.log(`  ${rate}`);

await context.close();
server.close();
rmSync(profile, { recursive: true });
if (!process.env.WORK_DIR) rmSync(work, { recursive: true });
