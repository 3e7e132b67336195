// Browser tests of the web page: Debian's chromium, launched by its path,
// against the built site served on 127.0.0.1 by the project's own server.
import { defineConfig } from '@playwright/test';
import { fileURLToPath } from 'node:url';

const repository = fileURLToPath(new URL('../..', import.meta.url));
const site = process.env.TARNWICK_WEB_DIR ?? `${repository}build/web/site`;
process.env.TARNWICK_GOOD_PLATES ??= `${repository}build/test/tests/web/good_plates.json`;
// A port of this run's own, so that two runs on one machine do not meet;
// the workers inherit it through the environment.
process.env.TARNWICK_WEB_PORT ??= String(20000 + (process.pid % 20000));
const port = Number(process.env.TARNWICK_WEB_PORT);

export const CHROMIUM_ARGS = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

export default defineConfig({
  testDir: '.',
  testMatch: 'tst_*.test.js',
  timeout: 60_000,
  fullyParallel: true,
  workers: 2,
  reporter: [['list']],
  outputDir: `${repository}build/web-test-results`,
  use: {
    baseURL: `http://127.0.0.1:${port}/`,
    viewport: { width: 1280, height: 800 },
    launchOptions: { executablePath: '/usr/bin/chromium', args: CHROMIUM_ARGS },
  },
  webServer: {
    command: `node scripts/serve_web.js "${site}" ${port}`,
    cwd: repository,
    url: `http://127.0.0.1:${port}/index.html`,
    reuseExistingServer: false,
  },
});
