// Checks that the browser tests' npm packages run on Debian 12's own Node.js:
// package.json asks for "node": ">=18", and every package in the lock file
// that declares engines.node admits 18.20.4. A machine with a newer Node.js
// would never notice a package that refuses 18, so this reads the ranges.
// Usage: node scripts/check_node_engines.js [package.json] [package-lock.json]
import { readFileSync } from 'node:fs';

const DEBIAN_NODE = [18, 20, 4];

function parseVersion(text) {
  const parts = text.replace(/^[v=]/, '').split('.');
  return [0, 1, 2].map((i) => (parts[i] === undefined || /^[x*]$/i.test(parts[i]) ? null : Number(parts[i])));
}

function compare(a, b) {
  for (let i = 0; i < 3; ++i) if (a[i] !== b[i]) return a[i] < b[i] ? -1 : 1;
  return 0;
}

// The bounds [lower, upper) a caret, tilde or partial version stands for.
function bounds(operator, text) {
  const v = parseVersion(text);
  const low = v.map((n) => n ?? 0);
  const firstWild = v.indexOf(null);
  if (operator === '^') {
    const bump = low[0] > 0 || firstWild === 1 ? 0 : low[1] > 0 || firstWild === 2 ? 1 : 2;
    return [low, low.map((n, i) => (i < bump ? n : i === bump ? n + 1 : 0))];
  }
  if (operator === '~') {
    const bump = firstWild === 1 ? 0 : 1;
    return [low, low.map((n, i) => (i < bump ? n : i === bump ? n + 1 : 0))];
  }
  if (firstWild === -1) return [low, null];
  if (firstWild === 0) return [[0, 0, 0], null];
  return [low, low.map((n, i) => (i < firstWild - 1 ? n : i === firstWild - 1 ? n + 1 : 0))];
}

function comparatorAdmits(comparator, version) {
  const [, operator = '', text] = comparator.match(/^(>=|<=|>|<|=|\^|~)?\s*(.+)$/);
  const [low, high] = bounds(operator, text);
  switch (operator) {
    case '>=': return compare(version, low) >= 0;
    case '>': return high ? compare(version, high) >= 0 : compare(version, low) > 0;
    case '<': return compare(version, low) < 0;
    case '<=': return high ? compare(version, high) < 0 : compare(version, low) <= 0;
    default: return compare(version, low) >= 0 && (!high || compare(version, high) < 0);
  }
}

export function rangeAdmits(range, version) {
  return range.split('||').some((alternative) => {
    const set = alternative.trim().replace(/(>=|<=|>|<|=|\^|~)\s+/g, '$1');
    if (set === '' || set === '*') return true;
    const hyphen = set.match(/^(\S+)\s+-\s+(\S+)$/);
    if (hyphen) return comparatorAdmits(`>=${hyphen[1]}`, version) && comparatorAdmits(`<=${hyphen[2]}`, version);
    return set.split(/\s+/).every((comparator) => comparatorAdmits(comparator, version));
  });
}

function problems(manifest, lock) {
  const found = [];
  if (manifest.engines?.node !== '>=18') {
    found.push(`package.json: "engines" must state {"node": ">=18"}, not ${JSON.stringify(manifest.engines)}`);
  }
  for (const [path, entry] of Object.entries(lock.packages ?? {})) {
    const range = entry.engines?.node;
    if (range && !rangeAdmits(range, DEBIAN_NODE)) {
      found.push(`${path || 'package-lock.json root'} ${entry.version ?? ''} asks for node ${range}`);
    }
  }
  return found;
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const [manifestPath = 'package.json', lockPath = 'package-lock.json'] = process.argv.slice(2);
  const found = problems(JSON.parse(readFileSync(manifestPath, 'utf8')), JSON.parse(readFileSync(lockPath, 'utf8')));
  for (const line of found) console.error(`refuses Node.js ${DEBIAN_NODE.join('.')}: ${line}`);
  if (found.length > 0) process.exit(1);
  console.log(`every npm package admits Debian 12's Node.js ${DEBIAN_NODE.join('.')}`);
}
