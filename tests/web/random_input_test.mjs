// Random pointer, key, click and focus events dispatched on the main window's
// DOM, any button, anywhere, in any order and fast, for a bounded count: the
// page never errs, and the game still plays to a verdict afterwards.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { gameWindow, mainWindowAtRest, openSite, statusOnceIn } from './browser.mjs';

const EVENTS = 3000;
const VERDICTS = ['GANASTE', 'PERDISTE', 'EMPATASTE'];

test(`${EVENTS} random events over the DOM leave the game playable`, async () => {
  const site = await openSite();
  const { page } = site;
  try {
    await mainWindowAtRest(page);
    await page.evaluate(async (count) => {
      let seed = 20240613;
      const random = (n) => {
        seed = (seed * 1103515245 + 12345) % 2147483648;
        return Math.floor((seed / 2147483648) * n);
      };
      const keys = ['1', '5', '7', '9', '0', 'a', ' ', 'Enter', 'Tab', 'Escape', 'F5', 'Dead', 'ñ', '€', '\u{1F600}'];
      const events = {
        pointerdown: PointerEvent, pointermove: PointerEvent, pointerup: PointerEvent,
        pointercancel: PointerEvent, lostpointercapture: PointerEvent, contextmenu: MouseEvent,
        click: MouseEvent, keydown: KeyboardEvent, focusin: FocusEvent,
      };
      const types = Object.keys(events);
      for (let sent = 0; sent < count; ++sent) {
        if (sent % 25 === 0) {
          await new Promise(requestAnimationFrame); // ticks and frames in between
        }
        const targets = [...document.querySelectorAll('.framed .client, .framed canvas, .framed .layer > *')];
        if (targets.length === 0) {
          continue; // the start-up window is back for now
        }
        const target = targets[random(targets.length)];
        const box = target.getBoundingClientRect();
        const type = types[random(types.length)];
        target.dispatchEvent(new events[type](type, {
          bubbles: true, cancelable: true, pointerId: random(3) + 1, isPrimary: random(5) > 0,
          clientX: box.left + random(box.width + 60) - 30, clientY: box.top + random(box.height + 60) - 30,
          button: random(5) - 1, buttons: random(8), key: keys[random(keys.length)],
          shiftKey: random(2) === 1, ctrlKey: random(4) === 1, altKey: random(4) === 1,
        }));
      }
      // Every button let go, as a real pointer ends.
      document.querySelector('.window canvas')?.dispatchEvent(
        new PointerEvent('pointerup', { bubbles: true, pointerId: 1, isPrimary: true, buttons: 0 }));
    }, EVENTS);

    if (await page.getByRole('dialog').isVisible()) {
      await page.keyboard.press('Escape');
    }
    const { canvas } = await mainWindowAtRest(page);
    const status = await statusOnceIn(page, ['BIENVENIDO', 'ELIGE UNA FIGURA', ...VERDICTS]);
    await canvas.click({ position: { x: 92, y: 132 } });
    if (status !== 'BIENVENIDO' && status !== 'ELIGE UNA FIGURA') {
      await statusOnceIn(page, ['ELIGE UNA FIGURA']);
    }
    await page.keyboard.press('8');
    assert.ok(VERDICTS.includes(await statusOnceIn(page, VERDICTS)));
    assert.equal(await gameWindow(page, 'ZUMBILO').frame.count(), 1);
    assert.deepEqual(site.problems, []);
  } finally {
    await site.close();
  }
});
