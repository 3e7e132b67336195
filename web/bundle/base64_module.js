// Writes a file's bytes as an ES module that exports them as one base64
// string, for the bundler to write into the page with its modules.
//
// Usage: node base64_module.js INPUT OUTPUT EXPORT_NAME
import { readFileSync, writeFileSync } from 'node:fs';

const [input, output, name] = process.argv.slice(2);
if (!name) {
  console.error('usage: node base64_module.js INPUT OUTPUT EXPORT_NAME');
  process.exit(2);
}
writeFileSync(output, `// ${input}, generated.\nexport const ${name} = '${readFileSync(input).toString('base64')}';\n`);
