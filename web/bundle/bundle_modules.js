// The page's ES modules as one: each module becomes a function scope in
// import order, its imports read from the scopes before it; a JSON import is
// written in as its value. Dynamic import() is left as it is. The modules keep
// to the forms read here; any other import or export stops the build rather
// than being passed over.
import { existsSync, readFileSync } from 'node:fs';
import { basename, dirname, resolve } from 'node:path';

const IMPORT = /^import\s+([\w$]+|\*\s+as\s+[\w$]+|\{[^}]*\}|[\w$]+\s*,\s*\{[^}]*\})\s+from\s+'(\.\/[^']+)'(\s+with\s+\{\s*type:\s*'json'\s*\})?;[ \t]*$/gm;
const DECLARED_EXPORT = /^export\s+((?:async\s+)?function\*?|class|const|let|var)\s+([\w$]+)/gm;
const DEFAULT_EXPORT = /^export\s+default\s+([\w$]+);[ \t]*$/gm;
const LEFT_OVER = /^(import|export)[\s{*].*$/m;

function fail(file, message) {
  throw new Error(`${file}: ${message}`);
}

function locate(name, from, dirs) {
  const found = [dirname(from), ...dirs].map((dir) => resolve(dir, name)).find(existsSync);
  if (!found) fail(from, `cannot find ${name}`);
  return found;
}

// "{ a, b as c }" as a destructuring pattern "{ a, b: c }".
function pattern(names) {
  return names.replace(/([\w$]+)\s+as\s+([\w$]+)/g, '$1: $2');
}

// The statement that gives an import's names their values from `scope`.
function binding(clause, scope) {
  const [, defaultName, named] = clause.match(/^([\w$]+)?\s*,?\s*(\{[^}]*\})?$/) ?? [];
  if (clause.startsWith('*')) return `const ${clause.replace(/^\*\s+as\s+/, '')} = ${scope};`;
  const parts = [defaultName && `default: ${defaultName}`, named && pattern(named).slice(1, -1).trim()];
  return `const { ${parts.filter(Boolean).join(', ')} } = ${scope};`;
}

class Bundle {
  constructor(dirs) {
    this.dirs = dirs;
    this.scopes = new Map(); // file -> name of the constant holding its exports
    this.visiting = new Set();
    this.count = 0;
    this.parts = [];
  }

  add(file) {
    if (this.scopes.has(file)) return this.scopes.get(file);
    if (this.visiting.has(file)) fail(file, 'is imported in a cycle');
    this.visiting.add(file);
    this.count += 1;
    const scope = `module${this.count}_${basename(file).replace(/\W/g, '_')}`;
    const source = readFileSync(file, 'utf8');
    const body = file.endsWith('.json') ? `return { default: ${source.trim()} };` : this.body(file, source);
    this.parts.push(`// ${basename(file)}\nconst ${scope} = (() => {\n${body}\n})();\n`);
    this.visiting.delete(file);
    this.scopes.set(file, scope);
    return scope;
  }

  body(file, source) {
    const exported = [];
    let code = source.replace(IMPORT, (_, clause, name, json) => {
      const imported = locate(name, file, this.dirs);
      if (json && !imported.endsWith('.json')) fail(file, `${name} is imported as JSON`);
      return binding(clause.trim(), this.add(imported));
    });
    code = code.replace(DECLARED_EXPORT, (_, kind, name) => {
      exported.push(name);
      return `${kind} ${name}`;
    });
    code = code.replace(DEFAULT_EXPORT, (_, name) => {
      exported.push(`default: ${name}`);
      return '';
    });
    const leftOver = code.match(LEFT_OVER);
    if (leftOver) fail(file, `cannot bundle "${leftOver[0]}"`);
    const exports = exported.length > 0 ? `\nreturn { ${exported.join(', ')} };` : '';
    return `${code.trimEnd()}${exports}`;
  }
}

// ENTRY and every module it imports as one module's code; a relative import
// is looked up beside the importing file, then in each of dirs (the build's
// generated files). Returns the code and every file read.
export function bundleModules(entry, dirs) {
  const bundle = new Bundle(dirs.map((dir) => resolve(dir)));
  bundle.add(resolve(entry));
  return { code: bundle.parts.join('\n'), files: [...bundle.scopes.keys()] };
}
