// What assistive technology meets in Chromium: the main window's children with
// the names, roles and presses AT-SPI gives on Linux at the same moments of a
// play, and the same announcements through the status line's live region; a
// play by the keyboard alone; and axe finds no violation at any of them, nor
// with the About box open or the game ended.
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { after, before, test } from 'node:test';

import { accessibleChildren, gameWindow, mainWindowAtRest, openSite, printed, statusOnceIn } from './browser.mjs';

const AXE = createRequire(import.meta.url).resolve('axe-core/axe.min.js');

// The expected moments, by name, from print_expectations.
const expected = {};
let moment;
for (const line of printed(process.env.ZUMBILO_EXPECTATIONS)) {
  if (line.startsWith('[')) {
    moment = expected[line.slice(1, -1)] = [];
  } else {
    moment.push(line);
  }
}

let site;
let page;
before(async () => {
  site = await openSite();
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
});
after(() => site.close());

async function noViolations(state) {
  const { violations } = await page.evaluate(() => window.axe.run());
  assert.deepEqual(violations.map(({ id, nodes }) => `${id}: ${nodes.length}`), [], state);
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
    assert.deepEqual(await accessibleChildren(page, 'ZUMBILO'), expected.welcome);
    await noViolations('welcome');

    await pressByKeyboard('INICIAR');
    await statusOnceIn(page, ['ELIGE UNA FIGURA']);
    assert.deepEqual(await accessibleChildren(page, 'ZUMBILO'), expected.choosing);
    await noViolations('choosing');

    await page.keyboard.press('9');
    await statusOnceIn(page, ['GANASTE', 'PERDISTE', 'EMPATASTE']);
    const children = await accessibleChildren(page, 'ZUMBILO');
    if (children.includes('Mano del ordenador: TIJERAS|Graphic')) {
      assert.deepEqual(children, expected.rockBeatsScissors);
      assert.deepEqual(await page.evaluate(() => window.heard), expected.heard);
      await noViolations('rock beats scissors');
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
  assert.deepEqual(site.problems, []);
});
