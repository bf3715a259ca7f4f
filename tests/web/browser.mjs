// The built site in Debian's Chromium, through playwright-core, served on a free
// port; and how the tests find the game's windows and read them.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';

import { chromium } from 'playwright-core';

import { serveSite } from '../../scripts/lib/site-server.mjs';

// Chromium keeps still about this machine's closed network with these; playwright
// adds --headless and --no-sandbox.
export const QUIET_FLAGS = ['--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

export const VERDICTS = ['GANASTE', 'PERDISTE', 'EMPATASTE'];
// The player's hand in the main window's pixels, which starts a play.
export const PLAYER_HAND = { x: 92, y: 132 };

// A page of 1024 x 768 CSS pixels, its clock held still where asked so that a
// busy machine cannot let the start-up window's 1.7 s pass unseen. Closing it
// fails on what a player would not see: console errors, failed requests, and
// requests that leave the site's origin.
export async function openSite({ deviceScaleFactor = 1, hasTouch = false, held = false } = {}) {
  const server = await serveSite(process.env.ZUMBILO_SITE_DIR);
  // A new empty profile (''): Chromium would not install the site in an incognito context.
  const context = await chromium.launchPersistentContext('', {
    executablePath: process.env.ZUMBILO_CHROMIUM, args: QUIET_FLAGS,
    viewport: { width: 1024, height: 768 }, deviceScaleFactor, hasTouch,
  });
  if (held) {
    await context.clock.install();
    await context.clock.pauseAt(Date.now() + 1000);
  }
  const [page] = context.pages();
  const problems = [];
  const { origin } = new URL(server.url);
  page.on('console', (message) => message.type() === 'error' && problems.push(`console error: ${message.text()}`));
  page.on('pageerror', (error) => problems.push(`uncaught: ${error.message}`));
  context.on('request', (request) => new URL(request.url()).origin !== origin
    && problems.push(`request outside the site: ${request.url()}`));
  context.on('requestfailed', (request) => problems.push(`failed: ${request.url()} (${request.failure()?.errorText})`));
  await page.goto(server.url);
  const close = async () => {
    await context.close();
    await server.stop();
    assert.deepEqual(problems, []);
  };
  return { server, context, page, close };
}

// The game's window that assistive technology calls `name`: its frame, and the
// canvas, whose CSS pixels are the window's own.
export function gameWindow(page, name) {
  const frame = page.locator('.window', { has: page.getByRole('group', { name, exact: true }) });
  return { frame, canvas: frame.locator('canvas') };
}

// Where the frame of the window named `name` is, where centred it would be, and
// whether it has a title bar: once it shows, and has slid `slid` pixels up if asked.
export async function placeOf(page, name, slid = null) {
  const place = await page.waitForFunction(([name, slid]) => {
    const element = document.querySelector(`.window:not([hidden]) .client[aria-label="${name}"]`)?.closest('.window');
    if (!element) {
      return null;
    }
    const desktop = element.parentElement;
    const centred = (area, length) => Math.floor((area - length) / 2);
    const shown = { left: element.offsetLeft, top: element.offsetTop,
      centredLeft: centred(desktop.clientWidth, element.offsetWidth),
      centredTop: centred(desktop.clientHeight, element.offsetHeight),
      titled: element.querySelector('.title-bar') !== null };
    return slid === null || shown.top === shown.centredTop - slid ? shown : null;
  }, [name, slid]);
  return place.jsonValue();
}

// The main window once it is shown and has slid up its 16 pixels from the centre.
export async function mainWindowAtRest(page) {
  await placeOf(page, 'ZUMBILO', 16);
  return gameWindow(page, 'ZUMBILO');
}

// The status line's name once it is one of `names`.
export async function statusOnceIn(page, names) {
  const status = await page.waitForFunction((names) => {
    const name = document.querySelector('.window:not([hidden]) [role="status"]')?.getAttribute('aria-label');
    return names.includes(name) && name;
  }, names);
  return status.jsonValue();
}

// The main window once it is shown and has stopped moving, wherever that is: a
// restart during the slide leaves the new window only the slide's remaining steps.
export async function mainWindowStill(page) {
  await page.waitForFunction(() => {
    const top = document.querySelector('.window:not([hidden]) .client[aria-label="ZUMBILO"]')
      ?.closest('.window').offsetTop ?? null;
    const still = top !== null && top === window.zumbiloTopBefore;
    window.zumbiloTopBefore = top;
    return still;
  }, null, { polling: 500 }); // the slide steps every 20 ms
  return gameWindow(page, 'ZUMBILO');
}

// One play from wherever the main window stands: the player's hand, then a key.
export async function playOnce(page, settled = mainWindowAtRest) {
  const { canvas } = await settled(page);
  await canvas.click({ position: PLAYER_HAND });
  await statusOnceIn(page, ['ELIGE UNA FIGURA']);
  await page.keyboard.press('9');
  return statusOnceIn(page, VERDICTS);
}

// The lines a program of the tests prints, run under node as Emscripten built it.
export function printed(program, ...args) {
  return execFileSync(process.execPath, ['--no-experimental-fetch', program, ...args],
    { encoding: 'utf8' }).trim().split('\n');
}
