// What the page offers the game's window system: the About box, modal, closed
// from the keyboard with focus given back; the panel of a game that has ended.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import { callShell, openSite, shellCallSettled } from './browser.mjs';

let site;
before(async () => {
  site = await openSite();
});
after(() => site.close());

const focused = () => site.page.evaluate(() => document.activeElement.id || document.activeElement.textContent);

for (const key of ['Escape', 'Enter']) {
  test(`the About box closes with ${key} and gives focus back to what opened it`, async () => {
    // What the player clicked "?" in: a focused element among the windows.
    await site.page.evaluate(() => {
      const opener = Object.assign(document.createElement('button'), { id: 'opener' });
      document.getElementById('windows').replaceChildren(opener);
      opener.focus();
    });
    await callShell(site.page, 'about_box.js', 'showAboutBox');
    const box = site.page.getByRole('dialog', { name: 'Zumbilo' });
    assert.ok(await box.getByText('Velmarin', { exact: true }).isVisible());
    assert.ok(await box.getByText(/^Zumbilo: Versión \d+\.\d+$/).isVisible());
    assert.equal(await focused(), 'Aceptar');

    await site.page.keyboard.press(key);
    await shellCallSettled(site.page);
    assert.equal(await box.count(), 0);
    assert.equal(await focused(), 'opener');
  });
}

test('the ended game\'s panel offers to play again, and its button loads the page anew', async () => {
  const panel = site.page.getByRole('region', { name: 'El juego ha terminado' });
  assert.equal(await panel.count(), 0);
  await callShell(site.page, 'game_ended.js', 'showGameEnded');
  assert.equal(await focused(), 'play-again');

  await Promise.all([site.page.waitForEvent('load'), site.page.keyboard.press('Enter')]);
  assert.equal(await panel.count(), 0);
  assert.deepEqual(site.problems, []);
});
