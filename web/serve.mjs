// Serves a folder as a static host does, for playing, testing and measuring the site on this
// machine: node web/serve.mjs [folder] [port]. Imported, serve(folder, port) starts the same.
import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.json': 'application/json',
  '.webmanifest': 'application/manifest+json',
  '.woff2': 'font/woff2',
  '.png': 'image/png',
  '.jpg': 'image/jpeg',
  '.svg': 'image/svg+xml',
};

// served(path, bytes) hears of each file sent, with the size of its body (0 when unchanged).
export function serve(folder, port = 8080, served = () => {}) {
  const root = resolve(folder);
  const server = createServer((request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    let file = normalize(join(root, path));
    if (!file.startsWith(root)) {
      response.writeHead(403).end();
      return;
    }
    try {
      if (statSync(file).isDirectory()) file = join(file, 'index.html');
      const { size, mtime } = statSync(file);
      const modified = mtime.toUTCString();
      const headers = {
        'Cache-Control': 'no-cache', // asked again each time; unchanged files cost no body
        'Last-Modified': modified,
      };
      if (request.headers['if-modified-since'] === modified) {
        response.writeHead(304, headers).end();
        served(path, 0);
        return;
      }
      response.writeHead(200, {
        ...headers,
        'Content-Type': types[extname(file)] ?? 'application/octet-stream',
        'Content-Length': size,
      });
      createReadStream(file).pipe(response);
      served(path, size);
    } catch {
      response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found');
    }
  });
  return new Promise((done, fail) => {
    server.once('error', fail);
    server.listen(port, '127.0.0.1', () => done(server));
  });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [folder = 'build-web/site', port = '8080'] = process.argv.slice(2);
  await serve(folder, Number(port));
  console.log(`pirandella: playing at http://localhost:${port}/ (Ctrl+C stops)`);
}
