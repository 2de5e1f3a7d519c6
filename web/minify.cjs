// Shortens a script of the site in place with Debian's terser (node-terser): without comments,
// and a module's names inside it shortened (the service worker, a plain script, keeps its own);
// the code as written otherwise (no compression, which would rewrite it and gains next to
// nothing once gzipped).
//   node minify.cjs app.js
//   node minify.cjs sw.js --script
const { minify } = require('terser');
const { readFileSync, writeFileSync } = require('node:fs');

const [file, kind] = process.argv.slice(2);
const asModule = kind !== '--script';
minify(readFileSync(file, 'utf8'), { module: asModule, ecma: 2020, compress: false }).then(
  ({ code }) => writeFileSync(file, `${code}\n`),
  (error) => {
    console.error(`minify.cjs: ${file}: ${error.message}`);
    process.exit(1);
  });
