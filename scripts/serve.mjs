// Serves a folder as a static host does, for playing, testing and measuring the site on this
// machine: node scripts/serve.mjs [folder] [port]. Imported, serve(folder, port) starts the same.
import { createReadStream, readFileSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
  '.jpg': 'image/jpeg',
};

// The page's Content-Security-Policy: nothing inline, WebAssembly compiled from its own file, the
// arrow pointers as data: pictures. web/page/index.html carries the same for static hosts, less
// frame-ancestors, which only a header can set.
export const contentSecurityPolicy = "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; " +
  "style-src 'self'; img-src 'self' data:; object-src 'none'; base-uri 'none'; " +
  "form-action 'none'; frame-ancestors 'none'";

// The file a request names under root, or an HTTP status: 400 for a URL that does not decode,
// 403 for one that leads outside root once resolved.
function fileFor(root, url) {
  let path;
  try {
    path = decodeURIComponent(new URL(url, 'http://localhost').pathname);
  } catch {
    return { status: 400 };
  }
  if (path.includes('\0')) return { status: 400 };
  const file = resolve(root, `.${sep}${path}`);
  if (file !== root && !file.startsWith(root + sep)) return { status: 403 };
  return { path, file };
}

// served(path, bytes) hears of each file sent, with the size of its body (0 when unchanged). With
// gzip, everything but the pictures goes compressed to a browser that takes it, as hosts send it.
export function serve(folder, port = 8080, served = () => {}, { gzip = false } = {}) {
  const root = resolve(folder);
  const server = createServer((request, response) => {
    const found = fileFor(root, request.url);
    if (found.status) {
      response.writeHead(found.status, { 'Content-Type': 'text/plain' }).end(`${found.status}`);
      return;
    }
    const { path } = found;
    let { file } = found;
    try {
      if (statSync(file).isDirectory()) file = join(file, 'index.html');
      const { size, mtime } = statSync(file);
      const modified = mtime.toUTCString();
      const headers = {
        'Cache-Control': 'no-cache', // asked again each time; unchanged files cost no body
        'Last-Modified': modified,
        'Content-Security-Policy': contentSecurityPolicy,
      };
      if (request.headers['if-modified-since'] === modified) {
        response.writeHead(304, headers).end();
        served(path, 0);
        return;
      }
      const type = types[extname(file)] ?? 'application/octet-stream';
      if (gzip && !type.startsWith('image/') && /\bgzip\b/.test(request.headers['accept-encoding'])) {
        const body = gzipSync(readFileSync(file), { level: 9 });
        response.writeHead(200, { ...headers, 'Content-Type': type, 'Content-Encoding': 'gzip',
          Vary: 'Accept-Encoding', 'Content-Length': body.length }).end(body);
        served(path, body.length);
        return;
      }
      response.writeHead(200, { ...headers, 'Content-Type': type, 'Content-Length': size });
      createReadStream(file).on('error', () => response.destroy()).pipe(response);
      served(path, size);
    } catch {
      response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found');
    }
  });
  server.on('clientError', (error, socket) => socket.destroy()); // a malformed request, not a stop
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
