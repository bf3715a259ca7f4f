// The built site in Debian's Chromium, headless, driven through playwright-core
// and served by the site's own static server on a free port; and what a player
// would not see, gathered as it happens: console errors, failed requests and any
// request that leaves the site's origin. Also how the tests find the game's
// windows and read them, and the tables every window system is checked against.
import { execFileSync } from 'node:child_process';

import { chromium } from 'playwright-core';

import { serveSite } from '../../scripts/lib/site-server.mjs';

// Chromium keeps still about this machine's closed network with these; playwright
// adds --headless and --no-sandbox.
export const QUIET_FLAGS = [
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

// A page of 1024 x 768 CSS pixels at the device pixel ratio, with a touch screen
// beside the mouse where asked; its clock held still from the start where asked,
// so that a busy machine cannot let the start-up window's 1.7 s pass unseen.
export async function openSite({ deviceScaleFactor = 1, hasTouch = false, held = false } = {}) {
  const server = await serveSite(process.env.ZUMBILO_SITE_DIR);
  // A new empty profile of its own ('') rather than an incognito context, in
  // which Chromium would not install the site.
  const context = await chromium.launchPersistentContext('', {
    executablePath: process.env.ZUMBILO_CHROMIUM,
    args: QUIET_FLAGS,
    viewport: { width: 1024, height: 768 },
    deviceScaleFactor,
    hasTouch,
  });
  if (held) {
    await context.clock.install();
    await context.clock.pauseAt(Date.now() + 1000);
  }
  const [page] = context.pages();
  const problems = [];
  const { origin } = new URL(server.url);
  page.on('console', (message) => {
    if (message.type() === 'error') {
      problems.push(`console error: ${message.text()}`);
    }
  });
  page.on('pageerror', (error) => problems.push(`uncaught: ${error.message}`));
  context.on('request', (request) => {
    if (new URL(request.url()).origin !== origin) {
      problems.push(`request outside the site: ${request.url()}`);
    }
  });
  context.on('requestfailed', (request) => {
    problems.push(`failed: ${request.url()} (${request.failure()?.errorText})`);
  });
  await page.goto(server.url);
  const close = async () => {
    await context.close();
    await server.stop();
  };
  return { server, context, page, problems, close };
}

// The game's window that assistive technology calls `name`: its frame, and the
// canvas, whose CSS pixels are the window's own.
export function gameWindow(page, name) {
  const frame = page.locator('.window', { has: page.getByRole('group', { name, exact: true }) });
  return { frame, canvas: frame.locator('canvas') };
}

// Where the frame of the window named `name` is, where centred in the page it
// would be, and whether it has a title bar: read at once when it shows, after
// it has slid `slid` pixels up from the centre if asked.
export async function placeOf(page, name, slid = null) {
  const place = await page.waitForFunction(([name, slid]) => {
    const client = document.querySelector(`.window:not([hidden]) .client[aria-label="${name}"]`);
    const element = client?.closest('.window');
    if (!element) {
      return null;
    }
    const desktop = element.parentElement;
    const centred = (area, length) => Math.floor((area - length) / 2);
    const shown = {
      left: element.offsetLeft,
      top: element.offsetTop,
      centredLeft: centred(desktop.clientWidth, element.offsetWidth),
      centredTop: centred(desktop.clientHeight, element.offsetHeight),
      titled: element.querySelector('.title-bar') !== null,
    };
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
  const status = page.getByRole('status');
  await page.waitForFunction((names) => names.includes(
    document.querySelector('.window:not([hidden]) [role="status"]')?.getAttribute('aria-label')), names);
  return status.getAttribute('aria-label');
}

// The children of the window named `name` as Chromium's accessibility tree has
// them, in order: "name|Role", and "|press" where a press would click it, the
// roles as AT-SPI names them.
export async function accessibleChildren(page, name) {
  const devtools = await page.context().newCDPSession(page);
  const { nodes } = await devtools.send('Accessibility.getFullAXTree');
  await devtools.detach();
  const byId = new Map(nodes.map((node) => [node.nodeId, node]));
  const roles = { status: 'StatusBar', button: 'Button', StaticText: 'StaticText', image: 'Graphic' };
  const lines = [];
  const visit = (node) => {
    const role = !node.ignored && roles[node.role?.value];
    if (!role) {
      node.childIds?.forEach((id) => visit(byId.get(id)));
      return;
    }
    const disabled = node.properties?.some(({ name, value }) => name === 'disabled' && value.value);
    lines.push(`${node.name.value}|${role}${role === 'Button' && !disabled ? '|press' : ''}`);
  };
  const window = nodes.find((node) => node.role?.value === 'group' && node.name?.value === name);
  window.childIds.forEach((id) => visit(byId.get(id)));
  return lines;
}

// What a program of the tests prints (pixel_points, print_expectations), run
// under node as Emscripten built it.
export function printed(program, ...args) {
  return execFileSync(process.execPath, ['--no-experimental-fetch', program, ...args],
    { encoding: 'utf8' }).trim().split('\n');
}
