// The browser's figures, in one run, each beside a bare page that draws the same
// faces and one picture on a canvas (bare.html): the first frame of the
// start-up window over cold loads, the bytes a first visit transfers with the
// service worker's, gzipped as the site server sends them, and Lighthouse's
// four scores. Both pages are served from one copy of the built site.
//   node bench/web/measure.mjs SITE_DIR RUNS   (bench/run-web runs it)
import { spawn } from 'node:child_process';
import { cpSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import lighthouse from 'lighthouse';
import desktopConfig from 'lighthouse/core/config/desktop-config.js';
import { chromium } from 'playwright-core';

import { serveSite } from '../../scripts/lib/site-server.mjs';
import { QUIET_FLAGS } from '../../tests/web/browser.mjs';

const CHROMIUM = '/usr/bin/chromium';
const [siteDir, runs] = process.argv.slice(2);
const PAGES = { game: '', bare: 'bare.html' };

const median = (values) => values.toSorted((a, b) => a - b)[Math.floor(values.length / 2)];

// From the navigation to the frame after the page marks its first drawing, in
// a context of its own (no cache, no service worker), in milliseconds.
async function firstFrame(browser, url) {
  const context = await browser.newContext({ viewport: { width: 1024, height: 768 } });
  const page = await context.newPage();
  await page.goto(url, { waitUntil: 'commit' });
  const time = await page.evaluate(() => new Promise((drawn) => {
    new PerformanceObserver((marks) => {
      if (marks.getEntriesByName('zumbilo-first-frame').length > 0) {
        requestAnimationFrame(drawn);
      }
    }).observe({ type: 'mark', buffered: true });
  }));
  await context.close();
  return time;
}

// What a first visit transfers, headers and bodies, the service worker's
// requests too, until the worker is active and the first frame drawn.
async function firstVisitBytes(browser, url) {
  const context = await browser.newContext();
  const sizes = [];
  context.on('requestfinished', (request) => sizes.push(request.sizes()));
  const page = await context.newPage();
  await page.goto(url);
  await page.evaluate(() => Promise.all([navigator.serviceWorker.ready,
    new Promise((drawn) => new PerformanceObserver(drawn).observe({ type: 'mark', buffered: true }))]));
  const bytes = (await Promise.all(sizes)).reduce((sum, size) => sum + size.responseHeadersSize + size.responseBodySize, 0);
  await context.close();
  return { bytes, requests: sizes.length };
}

// Lighthouse's desktop scores, Chromium started for it with the quiet flags.
async function lighthouseScores(url) {
  const profile = mkdtempSync(join(tmpdir(), 'zumbilo-lighthouse-'));
  const browser = spawn(CHROMIUM, ['--headless', '--no-sandbox', '--remote-debugging-port=0',
    `--user-data-dir=${profile}`, ...QUIET_FLAGS, 'about:blank'], { stdio: ['ignore', 'ignore', 'pipe'] });
  try {
    const port = await new Promise((listening, failed) => {
      browser.stderr.on('data', (text) => {
        const found = /DevTools listening on ws:\/\/[^:]+:(\d+)\//.exec(text);
        if (found) {
          listening(Number(found[1]));
        }
      });
      browser.on('exit', () => failed(new Error('Chromium ended before it listened')));
    });
    const { lhr } = await lighthouse(url, { port, logLevel: 'error', output: 'json' }, desktopConfig);
    return Object.fromEntries(['performance', 'accessibility', 'best-practices', 'seo']
      .map((category) => [category, lhr.categories[category].score]));
  } finally {
    const ended = new Promise((exited) => browser.once('exit', exited));
    browser.kill();
    await ended;
    rmSync(profile, { recursive: true, force: true });
  }
}

const served = mkdtempSync(join(tmpdir(), 'zumbilo-bench-'));
cpSync(siteDir, served, { recursive: true });
for (const file of ['bare.html', 'bare.js']) {
  cpSync(new URL(file, import.meta.url), join(served, file));
}
const server = await serveSite(served);
const browser = await chromium.launch({ executablePath: CHROMIUM, args: QUIET_FLAGS });
try {
  // Alternating, after one warm-up of each.
  const times = { game: [], bare: [] };
  for (let run = -1; run < Number(runs); ++run) {
    for (const [name, path] of Object.entries(PAGES)) {
      const time = await firstFrame(browser, server.url + path);
      if (run >= 0) {
        times[name].push(time);
      }
    }
  }
  const [game, bare] = [median(times.game), median(times.bare)];
  console.log(`First frame (median of ${runs}): game ${game.toFixed(1)} ms, bare page ${bare.toFixed(1)} ms,`
    + ` ratio ${(game / bare).toFixed(2)} (target at most 1.10)`);
  const visit = await firstVisitBytes(browser, server.url);
  console.log(`First visit: ${visit.bytes} bytes in ${visit.requests} requests, gzipped (target at most 250 kB)`);
  for (const [name, path] of Object.entries(PAGES)) {
    const scores = await lighthouseScores(server.url + path);
    console.log(`Lighthouse, ${name}: ${Object.entries(scores).map(([category, score]) => `${category} ${score}`).join(', ')}`);
  }
} finally {
  await browser.close();
  await server.stop();
  rmSync(served, { recursive: true, force: true });
}
