// What assistive technology meets in Chromium, played by the keyboard alone:
// what AT-SPI gives on Linux, and axe finding no violation.
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { after, before, test } from 'node:test';

import { gameWindow, mainWindowAtRest, openSite, statusOnceIn, VERDICTS } from './browser.mjs';

const AXE = createRequire(import.meta.url).resolve('axe-core/axe.min.js');

// The moments of the expectations every window system is checked against, by
// name, from their string literals (a \x escape is a byte of UTF-8).
const header = await readFile(new URL('../support/accessible_expectations.h', import.meta.url), 'utf8');
const expected = Object.fromEntries([...header.matchAll(/k(\w+)\{([^}]*)\}/g)].map(([, moment, body]) =>
  [moment, [...body.matchAll(/"([^"]*)"/g)].map(([, text]) => decodeURIComponent(text.replace(/\\x/g, '%')))]));

// The main window's children as Chromium's accessibility tree has them, in
// order: "name|Role", and "|press" where a press would click it, the roles as
// AT-SPI names them.
async function accessibleChildren() {
  const devtools = await page.context().newCDPSession(page);
  const { nodes } = await devtools.send('Accessibility.getFullAXTree');
  await devtools.detach();
  const byId = new Map(nodes.map((node) => [node.nodeId, node]));
  const roles = { status: 'StatusBar', button: 'Button', StaticText: 'StaticText', image: 'Graphic' };
  const linesOf = (ids = []) => ids.map((id) => byId.get(id)).flatMap((node) => {
    const role = !node.ignored && roles[node.role?.value];
    if (!role) {
      return linesOf(node.childIds);
    }
    const disabled = node.properties?.some(({ name, value }) => name === 'disabled' && value.value);
    return [`${node.name.value}|${role}${role === 'Button' && !disabled ? '|press' : ''}`];
  });
  return linesOf(nodes.find((node) => node.role?.value === 'group' && node.name?.value === 'ZUMBILO').childIds);
}

let site;
let page;
before(async () => {
  // Held until the status line is listened to, which a busy machine could otherwise let the welcome pass by.
  site = await openSite({ held: true });
  page = site.page;
  await page.addScriptTag({ path: AXE });
  // What the status line says, line by line, since the main window last loaded.
  await page.evaluate(() => {
    window.heard = [];
    new MutationObserver((changes) => changes.forEach(({ target, addedNodes }) => addedNodes.forEach((added) => {
      if (added.getAttribute?.('role') === 'status') {
        window.heard = [];
      } else if (target.getAttribute?.('role') === 'status') {
        window.heard.push(added.textContent);
      }
    }))).observe(document.getElementById('windows'), { childList: true, subtree: true });
  });
  await page.clock.resume();
});
after(() => site.close());

async function noViolations(state) {
  const { violations } = await page.evaluate(() => window.axe.run());
  assert.deepEqual(violations.map(({ id, nodes }) => `${id}: ${nodes.length}`), [], state);
}

// The main window's children are those AT-SPI gives at `moment`, and axe finds no violation.
async function asExpected(moment) {
  assert.deepEqual(await accessibleChildren(), expected[moment], moment);
  await noViolations(moment);
}

// Presses the main window's button by the keyboard: Tab until it has the focus, then Enter.
async function pressByKeyboard(name) {
  for (let tab = 0; !(await page.evaluate((name) => document.activeElement.getAttribute('aria-label') === name, name)); ++tab) {
    assert.ok(tab < 20, `Tab never reached ${name}`);
    await page.keyboard.press('Tab');
  }
  await page.keyboard.press('Enter');
}

test('the main window\'s children and announcements are those AT-SPI gives, at each moment of a play', async () => {
  // The computer's figure is its own: the game starts anew until it draws the scissors.
  for (let tries = 1; ; ++tries) {
    await mainWindowAtRest(page);
    await statusOnceIn(page, ['BIENVENIDO']);
    await asExpected('Welcome');

    await pressByKeyboard('INICIAR');
    await statusOnceIn(page, ['ELIGE UNA FIGURA']);
    await asExpected('Choosing');

    await page.keyboard.press('9');
    await statusOnceIn(page, VERDICTS);
    if ((await accessibleChildren()).includes('Mano del ordenador: TIJERAS|Graphic')) {
      await asExpected('RockBeatsScissors');
      assert.deepEqual(await page.evaluate(() => window.heard), expected.Heard);
      break;
    }
    assert.ok(tries < 20, 'the computer never drew the scissors');
    await pressByKeyboard('Panel del ordenador: REINICIAR');
    await gameWindow(page, 'Zumbilo').frame.waitFor();
  }
});

test('the About box and the ended game are accessible too', async () => {
  await pressByKeyboard('Tu mano: PIEDRA');
  await statusOnceIn(page, ['ELIGE UNA FIGURA']);
  await pressByKeyboard('Acerca del juego.');
  await page.getByRole('dialog', { name: 'Zumbilo' }).waitFor();
  await noViolations('the About box');
  await page.keyboard.press('Escape');

  await pressByKeyboard('Panel del ordenador: REINICIAR');
  await gameWindow(page, 'Zumbilo').frame.waitFor();
  await pressByKeyboard('x');
  await page.getByRole('region', { name: 'El juego ha terminado' }).waitFor();
  await noViolations('the ended game');
});
