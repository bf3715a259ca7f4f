// A first visit is enough: the page loads again, whole, from the service worker
// once the server is gone.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { openSite } from './browser.mjs';

test('after a first visit the page reloads from the service worker with no server', async () => {
  const site = await openSite();
  try {
    await site.page.evaluate(() => navigator.serviceWorker.ready);
    await site.server.stop();

    const response = await site.page.reload();
    assert.ok(response.fromServiceWorker());
    assert.equal(await site.page.title(), 'Zumbilo');
    // The captions' faces too, which the game asks for only once it draws.
    const faces = await site.page.evaluate(() => Promise.all(
        [...document.fonts].map((face) => face.load().then(() => face.family))));
    assert.equal(faces.length, 4);
    assert.deepEqual(site.problems, []);
  } finally {
    await site.close();
  }
});
