// A small static file server for the built web page, on 127.0.0.1 only.
// Compresses with gzip when the browser accepts it, as a static host would,
// and asks the browser to revalidate every file (answering 304 when it is
// unchanged) so a new build shows at once.
//
// Usage: node scripts/serve_web.js SITE_DIR [PORT]
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import { extname, join, normalize, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.json': 'application/json',
  '.webmanifest': 'application/manifest+json',
  '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.txt': 'text/plain; charset=utf-8',
};
const COMPRESSIBLE = new Set(['.html', '.js', '.css', '.json', '.webmanifest', '.wasm', '.svg']);

// Each file is compressed once per version, as a host serving
// precompressed files would.
const gzipped = new Map();
function compressed(file, tag, body) {
  const key = `${file} ${tag}`;
  if (!gzipped.has(key)) gzipped.set(key, gzipSync(body, { level: 9 }));
  return gzipped.get(key);
}

async function respond(root, request, response, onSent) {
  const path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
  const file = normalize(join(root, path.endsWith('/') ? `${path}index.html` : path));
  if (!file.startsWith(root)) {
    response.writeHead(403).end();
    return;
  }
  let body;
  let tag;
  try {
    const info = await stat(file);
    tag = `"${info.size}-${Math.trunc(info.mtimeMs)}"`;
    body = await readFile(file);
  } catch {
    response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found');
    return;
  }
  if (request.headers['if-none-match'] === tag) {
    response.writeHead(304, { ETag: tag }).end();
    onSent(path, 0);
    return;
  }
  const headers = {
    'Content-Type': TYPES[extname(file)] ?? 'application/octet-stream', 'Cache-Control': 'no-cache', ETag: tag,
  };
  if (COMPRESSIBLE.has(extname(file)) && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
    body = compressed(file, tag, body);
    headers['Content-Encoding'] = 'gzip';
    headers.Vary = 'Accept-Encoding';
  }
  response.writeHead(200, headers).end(body);
  onSent(path, body.length);
}

// Serves root on 127.0.0.1:port; onSent(path, bytes) hears of every file
// sent, with its size as sent (compressed or not).
export function serveSite(root, port, onSent = () => {}) {
  const server = createServer((request, response) => {
    respond(root, request, response, onSent).catch(() => response.writeHead(500).end());
  });
  return new Promise((ready) => server.listen(port, '127.0.0.1', () => ready(server)));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [site, port = '8080'] = process.argv.slice(2);
  if (!site) {
    console.error('usage: node scripts/serve_web.js SITE_DIR [PORT]');
    process.exit(2);
  }
  await serveSite(resolve(site), Number(port));
  console.log(`Serving ${resolve(site)} at http://127.0.0.1:${port}/`);
}
