// Writes the page as one file for a phone's first visit: the stylesheets and
// the module script that index.html links are written into it, the modules
// bundled as one (bundle_modules.js) and minified by terser, and the
// WebAssembly it names in a data script, in base64, so a first visit fetches
// nothing more before the page paints, takes typing and decodes. The
// modules' own sources in web/ are the ones to read.
//
// Usage: node inline_page.js SOURCE_HTML OUTPUT_HTML DEPFILE [DIR...]
//   a linked file is looked up beside SOURCE_HTML, then in each DIR (the
//   build's generated files); DEPFILE lists every file read.
import { existsSync, readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, resolve } from 'node:path';
import { bundleModules } from './bundle_modules.js';

// Debian's node-terser, found through NODE_PATH.
const { minify } = createRequire(import.meta.url)('terser');

const STYLESHEET = /<link rel="stylesheet" href="([\w./-]+)">/g;
const MODULE_SCRIPT = /<script type="module" src="([\w./-]+)"><\/script>/g;
const WASM_SCRIPT = /<script type="application\/wasm" id="([\w-]+)" src="([\w./-]+)"><\/script>/g;

const [source, output, depfile, ...dirs] = process.argv.slice(2);
if (!depfile) {
  console.error('usage: node inline_page.js SOURCE_HTML OUTPUT_HTML DEPFILE [DIR...]');
  process.exit(2);
}
const read = [resolve(source)];

function locate(name) {
  const found = [dirname(source), ...dirs].map((dir) => resolve(dir, name)).find(existsSync);
  if (!found) throw new Error(`${source}: cannot find ${name}`);
  return found;
}

// Text inside <style> or <script> must not close its element early.
function inside(element, text, name) {
  if (new RegExp(`</${element}`, 'i').test(text)) throw new Error(`${name} holds "</${element}"`);
  return text;
}

// The bundle with short names and no comments or spaces: on a slow phone the
// page's bytes and their parsing come before it can take typing. ASCII only
// (its few other characters escaped), so that the browser can keep the
// page's text at one byte a character.
async function minified(code) {
  const { code: small } = await minify(code, {
    module: true, ecma: 2020, compress: true, mangle: true, format: { ascii_only: true, comments: false },
  });
  return small;
}

const html = readFileSync(source, 'utf8');
// Each module script bundled and minified first: terser answers in a promise.
const bundles = new Map();
for (const [, name] of html.matchAll(MODULE_SCRIPT)) {
  const { code, files } = bundleModules(locate(name), dirs);
  read.push(...files);
  bundles.set(name, await minified(code));
}

const page = html
  .replace(STYLESHEET, (_, name) => {
    const file = locate(name);
    read.push(file);
    return `<style>\n${inside('style', readFileSync(file, 'utf8'), name)}</style>`;
  })
  .replace(MODULE_SCRIPT, (_, name) => `<script type="module">\n${inside('script', bundles.get(name), name)}\n</script>`)
  .replace(WASM_SCRIPT, (_, id, name) => {
    const file = locate(name);
    read.push(file);
    return `<script type="application/wasm" id="${id}">${readFileSync(file).toString('base64')}</script>`;
  });
writeFileSync(output, page);
const escaped = (path) => path.replace(/ /g, '\\ ');
writeFileSync(depfile, `${escaped(resolve(output))}: ${read.map(escaped).join(' ')}\n`);
