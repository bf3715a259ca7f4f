// The page as a first visit finds it: installable, with a face for every
// caption the game shows; still playable after random events; and enough to
// play from the service worker once the server is gone.
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { after, before, test } from 'node:test';

import { gameWindow, mainWindowAtRest, mainWindowStill, openSite, playOnce } from './browser.mjs';

const SOURCES = new URL('../../src/', import.meta.url);

let site;
let page;
before(async () => {
  site = await openSite();
  page = site.page;
});
after(() => site.close());

test('Chromium finds the site installable', async () => {
  assert.equal(await page.title(), 'Zumbilo');
  const devtools = await site.context.newCDPSession(page);
  const { installabilityErrors } = await devtools.send('Page.getInstallabilityErrors');
  assert.deepEqual(installabilityErrors, []);
});

// A caption a face lacks a character of falls back to the next family in the
// list: with two unlike fallbacks its width then differs between them.
test('one of the site\'s faces has every character of each caption', async () => {
  // Every caption the windows' code sets (not the windows' own titles, set first
  // in their designs), and the counters' digits.
  const files = ['mainwindow/layout.cpp', 'startup/layout.cpp', 'game/frm_principal.cpp'];
  const texts = await Promise.all(files.map((file) => readFile(new URL(file, SOURCES), 'utf8')));
  const shown = [...texts.flatMap((text) => [...text.matchAll(/(?<!\{)\.Caption = "([^"]*)"/g)])
    .map((match) => match[1]).filter(Boolean), '0123456789'];
  assert.ok(shown.includes('BIENVENIDO') && shown.includes('Zumbilo'), shown.join(' | '));
  const uncovered = await page.evaluate(async (shown) => {
    const faces = [...document.fonts];
    await Promise.all(faces.map((face) => face.load()));
    const context = document.createElement('canvas').getContext('2d');
    const width = (font, text) => {
      context.font = font;
      return context.measureText(text).width;
    };
    const covers = (face, text) => {
      const font = `${face.weight} 40px ${face.family}`;
      return width(`${font}, monospace`, text) === width(`${font}, serif`, text);
    };
    return shown.filter((text) => !faces.some((face) => covers(face, text)));
  }, shown);
  assert.deepEqual(uncovered, []);
});

// Pointer, key, click and focus events on the main window's DOM, any button,
// anywhere, in any order and fast, from a fixed seed.
test('3000 random events over the DOM leave the game playable', async () => {
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
  }, 3000);

  if (await page.getByRole('dialog').isVisible()) {
    await page.keyboard.press('Escape');
  }
  await playOnce(page, mainWindowStill);
  assert.equal(await gameWindow(page, 'ZUMBILO').frame.count(), 1);
});

test('after a first visit the game loads and plays from the service worker with no server', async () => {
  await page.evaluate(() => navigator.serviceWorker.ready);
  await site.server.stop();
  assert.ok((await page.reload()).fromServiceWorker());
  await playOnce(page);
});
