// A first visit is enough: the page loads again, whole, from the service worker
// once the server is gone, and the game plays.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { mainWindowAtRest, openSite, statusOnceIn } from './browser.mjs';

test('after a first visit the game loads and plays from the service worker with no server', async () => {
  const site = await openSite();
  try {
    await site.page.evaluate(() => navigator.serviceWorker.ready);
    await site.server.stop();

    const response = await site.page.reload();
    assert.ok(response.fromServiceWorker());
    const { canvas } = await mainWindowAtRest(site.page);
    await canvas.click({ position: { x: 92, y: 132 } });
    await site.page.keyboard.press('9');
    assert.ok(['GANASTE', 'PERDISTE', 'EMPATASTE'].includes(
      await statusOnceIn(site.page, ['GANASTE', 'PERDISTE', 'EMPATASTE'])));
    assert.deepEqual(site.problems, []);
  } finally {
    await site.close();
  }
});
