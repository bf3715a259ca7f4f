// A static server for the built site, on the loopback interface alone: what
// scripts/play-web serves the site with and the browser tests load it from.
// Only GET and HEAD, only files under the site's folder, each with its type,
// text gzipped for a browser that takes it, as static hosts send it. The browser
// asks again each time, with the file's validator, so a rebuilt site shows at
// the next load and an unchanged file costs a 304.
//   node scripts/lib/site-server.mjs SITE_DIR [PORT]
import { createReadStream } from 'node:fs';
import { readFile, stat } from 'node:fs/promises';
import { createServer } from 'node:http';
import { extname, join, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';

// The binary types come compressed already.
const TEXT = new Set(['.css', '.html', '.js', '.txt', '.wasm', '.webmanifest']);
const TYPES = {
  '.css': 'text/css; charset=utf-8',
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.png': 'image/png',
  '.txt': 'text/plain; charset=utf-8',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.woff2': 'font/woff2',
};

// Each text file gzipped once, by its validator: as a host keeps it compressed.
const gzippedFiles = new Map();
async function gzippedFile(file, tag) {
  const key = `${file} ${tag}`;
  if (!gzippedFiles.has(key)) {
    gzippedFiles.set(key, gzipSync(await readFile(file)));
  }
  return gzippedFiles.get(key);
}

// The file a request's path names under `root`, or null for one outside it.
function fileFor(root, url) {
  let path;
  try {
    path = decodeURIComponent(new URL(url, 'http://site/').pathname);
  } catch {
    return null;
  }
  const file = resolve(join(root, path.endsWith('/') ? path + 'index.html' : path));
  return file.startsWith(root + sep) ? file : null;
}

async function respond(root, request, response) {
  if (request.method !== 'GET' && request.method !== 'HEAD') {
    response.writeHead(405, { Allow: 'GET, HEAD' }).end();
    return;
  }
  const file = fileFor(root, request.url);
  const found = file && (await stat(file).catch(() => null));
  if (!found?.isFile()) {
    response.writeHead(404, { 'Content-Type': TYPES['.txt'] }).end('No existe.\n');
    return;
  }
  const tag = `"${found.size}-${found.mtimeMs}"`;
  if (request.headers['if-none-match'] === tag) {
    response.writeHead(304, { ETag: tag, 'Cache-Control': 'no-cache' }).end();
    return;
  }
  const gzipped = TEXT.has(extname(file)) && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '')
    ? await gzippedFile(file, tag) : null;
  response.writeHead(200, {
    'Content-Type': TYPES[extname(file)] ?? 'application/octet-stream',
    'Content-Length': gzipped ? gzipped.length : found.size,
    ...(gzipped && { 'Content-Encoding': 'gzip', Vary: 'Accept-Encoding' }),
    'Cache-Control': 'no-cache',
    ETag: tag,
  });
  if (request.method === 'HEAD') {
    response.end();
  } else if (gzipped) {
    response.end(gzipped);
  } else {
    createReadStream(file).pipe(response);
  }
}

// Serves `siteDir` on 127.0.0.1:`port` (0: any free port). Resolves to the
// site's address and a function that stops the server and its connections.
export async function serveSite(siteDir, port = 0) {
  const root = resolve(siteDir);
  const server = createServer((request, response) => {
    respond(root, request, response).catch(() => response.destroy());
  });
  await new Promise((started, failed) => {
    server.once('error', failed);
    server.listen(port, '127.0.0.1', started);
  });
  const stop = () => new Promise((stopped) => {
    server.close(stopped);
    server.closeAllConnections();
  });
  return { url: `http://127.0.0.1:${server.address().port}/`, stop };
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [siteDir, port = '8000'] = process.argv.slice(2);
  if (!siteDir) {
    console.error('usage: node site-server.mjs SITE_DIR [PORT]');
    process.exit(2);
  }
  try {
    console.log((await serveSite(siteDir, Number(port))).url);
  } catch (error) {
    console.error(`site-server: ${error.message}`);
    process.exit(1);
  }
}
