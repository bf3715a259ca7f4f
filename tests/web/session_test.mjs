// A whole session in the browser as on the desktop, the page's clock held for
// the start-up window.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import {
  gameWindow, mainWindowAtRest, openSite, placeOf, PLAYER_HAND, statusOnceIn, VERDICTS,
} from './browser.mjs';

// Where the player's pictures are, in the main window's pixels.
const PAPER = { x: 52, y: 92 };
const SCISSORS = { x: 132, y: 92 };
const ROCK = { x: 92, y: 170 };
const ABOUT = { x: 156, y: 196 };
// The rim of the computer's panel, which no hand covers.
const RESTART = { x: 244, y: 132 };
const BEATS = { PAPEL: 'PIEDRA', TIJERAS: 'PAPEL', PIEDRA: 'TIJERAS' };

let site;
let page;
before(async () => {
  site = await openSite({ hasTouch: true, held: true });
  page = site.page;
});
after(() => site.close());

// The counters of plays won and lost.
const scores = () => Promise.all(['Ganadas', 'Perdidas'].map(async (name) =>
  Number((await page.getByText(new RegExp(`^${name}: \\d+$`)).textContent()).split(': ')[1])));

test('the start-up window shows borderless and centred, then hands over to the main window', async () => {
  const startup = await placeOf(page, 'Zumbilo');
  assert.deepEqual([startup.left, startup.top, startup.titled], [startup.centredLeft, startup.centredTop, false]);
  await page.clock.resume();

  const main = await placeOf(page, 'ZUMBILO', 16);
  assert.deepEqual([main.left, main.titled], [main.centredLeft, true]);
  const { frame } = gameWindow(page, 'ZUMBILO');
  assert.equal(await frame.locator('.title-bar span').textContent(), 'ZUMBILO');
  assert.ok(await frame.locator('.title-bar img').isVisible());
  assert.equal(await gameWindow(page, 'Zumbilo').frame.count(), 0);
});

test('plays by click, tap and key give each verdict its counter, past nine', async () => {
  const { canvas } = gameWindow(page, 'ZUMBILO');
  await canvas.click({ position: PLAYER_HAND });
  await statusOnceIn(page, ['ELIGE UNA FIGURA']);
  // A press let go outside the window still clicks what it pressed, as on the desktop.
  const pressLetGoOutside = async (position) => {
    await canvas.hover({ position });
    await page.mouse.down();
    await page.mouse.move(5, 5);
    await page.mouse.up();
  };
  // Playwright's keypad has NumLock off, where Shift gives its digits as NumLock does.
  const choices = [
    ['PAPEL', () => canvas.click({ position: PAPER })],
    ['TIJERAS', () => canvas.tap({ position: SCISSORS })],
    ['PIEDRA', () => canvas.click({ position: ROCK })],
    ['PIEDRA', () => page.keyboard.press('9')],
    ['PAPEL', () => page.keyboard.press('Shift+Numpad7')],
    ['TIJERAS', () => page.keyboard.press('Shift+Numpad5')],
    ['TIJERAS', () => pressLetGoOutside(SCISSORS)],
  ];
  const counters = { GANASTE: 0, PERDISTE: 0, EMPATASTE: 0 };
  for (let play = 0; Math.max(counters.GANASTE, counters.PERDISTE) < 10; ++play) {
    assert.ok(play < 80, `no counter past nine after ${play} plays`);
    const [mine, choose] = choices[play % choices.length];
    await choose();
    const verdict = await statusOnceIn(page, VERDICTS);
    const theirs = (await page.getByRole('img', { name: /^Mano del ordenador: / })
      .getAttribute('aria-label')).split(': ')[1];
    const expected = theirs === mine ? 'EMPATASTE' : BEATS[mine] === theirs ? 'GANASTE' : 'PERDISTE';
    assert.equal(verdict, expected, `${mine} against ${theirs}`);
    counters[verdict] += 1;
    assert.deepEqual(await scores(), [counters.GANASTE, counters.PERDISTE]);
    await (play % 2 ? canvas.tap({ position: PLAYER_HAND }) : canvas.click({ position: PLAYER_HAND }));
    await statusOnceIn(page, ['ELIGE UNA FIGURA']);
  }
});

test('the About box is modal, says who made which version, and gives focus back', async () => {
  const { canvas } = gameWindow(page, 'ZUMBILO');
  await canvas.hover({ position: ABOUT });
  assert.equal(await canvas.getAttribute('title'), ' Acerca del juego. ');
  for (const key of ['Escape', 'Enter']) {
    await canvas.click({ position: ABOUT });
    const box = page.getByRole('dialog', { name: 'Zumbilo' });
    assert.deepEqual(await box.locator('p').allTextContents(), ['Velmarin', 'Zumbilo: Versión 3.5']);
    // Neither a click (on the backdrop, which then has the focus) nor a key plays behind it.
    if (key === 'Escape') {
      await canvas.click({ position: PAPER, force: true });
    }
    await page.keyboard.press('9');
    await page.keyboard.press(key);
    assert.equal(await box.count(), 0);
    assert.ok(await gameWindow(page, 'ZUMBILO').frame.evaluate((frame) => frame.contains(document.activeElement)));
    assert.equal(await page.getByRole('status').getAttribute('aria-label'), 'ELIGE UNA FIGURA');
  }
});

test('the browser keeps its own keys; AltGr types as it does on the desktop', async () => {
  const taken = (init) => gameWindow(page, 'ZUMBILO').frame.locator('.client').evaluate((client, init) => {
    const event = new KeyboardEvent('keydown', { bubbles: true, cancelable: true, ...init });
    client.dispatchEvent(event);
    return event.defaultPrevented;
  }, init);
  for (const init of [{ key: 'Tab' }, { key: 'F5' }, { key: 'r', ctrlKey: true }, { key: '9', ctrlKey: true, altKey: true }]) {
    assert.equal(await taken(init), false, JSON.stringify(init));
  }
  assert.ok(await taken({ key: '9', ctrlKey: true, altKey: true, modifierAltGraph: true }));
  await statusOnceIn(page, VERDICTS);
});

test('a drag by the title moves the main window within the page', async () => {
  const before = await placeOf(page, 'ZUMBILO');
  const title = await gameWindow(page, 'ZUMBILO').frame.locator('.title-bar span').boundingBox();
  await page.mouse.move(title.x + 5, title.y + 5);
  await page.mouse.down();
  await page.mouse.move(title.x + 105, title.y + 55);
  await page.mouse.move(title.x + 5, title.y - 1000);
  await page.mouse.up();
  const after = await placeOf(page, 'ZUMBILO');
  assert.deepEqual([after.left, after.top], [before.left, 0]);
});

test('the restart brings both windows back, and the start-up window\'s "x" ends the game', async () => {
  await gameWindow(page, 'ZUMBILO').canvas.click({ position: RESTART });
  const main = await mainWindowAtRest(page);
  assert.deepEqual(await scores(), [0, 0]);

  await main.canvas.click({ position: RESTART });
  const startup = gameWindow(page, 'Zumbilo');
  await startup.canvas.click({ position: { x: 504, y: 16 } });
  const ended = page.getByRole('region', { name: 'El juego ha terminado' });
  await ended.waitFor();
  assert.equal(await page.locator('.window').count(), 0);
  await ended.getByRole('button', { name: 'Jugar otra vez' }).click();
  await gameWindow(page, 'Zumbilo').frame.waitFor();
});
