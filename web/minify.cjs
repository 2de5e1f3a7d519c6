// Shortens the joined scripts in place with Debian's terser (node-terser): the names inside the
// one module shortened, the code as written otherwise (no compression, which would rewrite it
// and gains next to nothing once gzipped).
//   node minify.cjs app.js
const { minify } = require('terser');
const { readFileSync, writeFileSync } = require('node:fs');

const file = process.argv[2];
minify(readFileSync(file, 'utf8'), { module: true, ecma: 2020, compress: false }).then(
  ({ code }) => writeFileSync(file, `${code}\n`),
  (error) => {
    console.error(`minify.cjs: ${file}: ${error.message}`);
    process.exit(1);
  });
