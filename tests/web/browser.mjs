// The built site in Debian's Chromium, headless, driven through playwright-core
// and served by the site's own static server on a free port; and what a player
// would not see, gathered as it happens: console errors, failed requests and any
// request that leaves the site's origin.
import { chromium } from 'playwright-core';

import { serveSite } from '../../scripts/lib/site-server.mjs';

// Chromium keeps still about this machine's closed network with these; playwright
// adds --headless and --no-sandbox.
const QUIET_FLAGS = [
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

export async function openSite() {
  const server = await serveSite(process.env.ZUMBILO_SITE_DIR);
  // A new empty profile of its own ('') rather than an incognito context, in
  // which Chromium would not install the site.
  const context = await chromium.launchPersistentContext('', {
    executablePath: process.env.ZUMBILO_CHROMIUM,
    args: QUIET_FLAGS,
  });
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

// Calls the export `name` of the site's module `module` in the page, as the
// game's window system will. Resolves once the call has returned; what it
// returned is kept for shellCallSettled.
export function callShell(page, module, name) {
  return page.evaluate(async ([module, name]) => {
    window.lastShellCall = (await import(`./${module}`))[name]();
  }, [module, name]);
}

// Waits until what the last shell call returned has settled.
export function shellCallSettled(page) {
  return page.evaluate(() => window.lastShellCall);
}
