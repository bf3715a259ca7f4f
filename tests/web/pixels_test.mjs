// The canvases at device pixel ratios 1 and 2 hold the colours that every
// window system draws at the pixel tables' points, in the canvas's own pixels,
// and the logo its red; a hovered figure is masked exactly: each channel ANDed
// with 192.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { mainWindowAtRest, openSite, printed, statusOnceIn } from './browser.mjs';

// The colours of the window named `name` at the table's points, and how many
// pixels of `square` are the logo's red, once it has been drawn.
async function colours(page, name, table, square = { x: 0, y: 0, width: 1, height: 1 }) {
  const shown = await page.waitForFunction(([name, table, square]) => {
    const client = document.querySelector(`.window:not([hidden]) .client[aria-label="${name}"]`);
    if (!client) {
      return null;
    }
    const context = client.querySelector('canvas').getContext('2d');
    const points = table.map((line) => {
      const [x, y] = line.split(' ').map(Number);
      const rgb = [...context.getImageData(x, y, 1, 1).data.slice(0, 3)];
      return `${x} ${y} ${rgb.map((channel) => channel.toString(16).padStart(2, '0')).join('').toUpperCase()}`;
    });
    const { data } = context.getImageData(square.x, square.y, square.width, square.height);
    const red = data.filter((_, i) => i % 4 === 0 && data[i] > 200 && data[i + 1] < 80 && data[i + 2] < 80);
    return { points, reds: red.length };
  }, [name, table, square]);
  return shown.jsonValue();
}

// The canvas's pixels in the rectangle, as numbers 0xRRGGBB.
function pixelsIn(canvas, rect) {
  return canvas.evaluate((canvas, { x, y, width, height }) => {
    const { data } = canvas.getContext('2d').getImageData(x, y, width, height);
    return Array.from({ length: width * height }, (_, i) => (data[i * 4] << 16) | (data[i * 4 + 1] << 8) | data[i * 4 + 2]);
  }, rect);
}

for (const ratio of [1, 2]) {
  test(`at device pixel ratio ${ratio} the canvases are drawn crisp, to the pixel`, async () => {
    const site = await openSite({ deviceScaleFactor: ratio, held: true });
    try {
      const table = (window) => printed(process.env.ZUMBILO_PIXEL_POINTS, window, `${ratio}`);
      // The logo's square: its red tile, red whatever the pixels' byte order.
      const logo = { x: 80 * ratio, y: 32 * ratio, width: 121 * ratio, height: 121 * ratio };
      // Held still, the start-up window is drawn by its first animation frames.
      await site.page.locator('.window:not([hidden]) .client[aria-label="Zumbilo"]').waitFor();
      await site.page.clock.runFor(100);
      const startup = await colours(site.page, 'Zumbilo', table('startup'), logo);
      await site.page.clock.resume();
      assert.deepEqual(startup.points, table('startup'));
      assert.ok(startup.reds > logo.width * logo.height / 10, `${startup.reds} red pixels in the logo`);

      const { canvas } = await mainWindowAtRest(site.page);
      assert.deepEqual(await canvas.evaluate((canvas) => [canvas.width, canvas.height, canvas.clientWidth]),
        [417 * ratio, 225 * ratio, 417]);
      assert.deepEqual((await colours(site.page, 'ZUMBILO', table('main'))).points, table('main'));

      // The scissors' picture and its shape, inside the shape's outline.
      await canvas.click({ position: { x: 92, y: 132 } });
      await statusOnceIn(site.page, ['ELIGE UNA FIGURA']);
      await canvas.hover({ position: { x: 300, y: 20 } });
      const inside = { x: 97 * ratio, y: 57 * ratio, width: 71 * ratio, height: 71 * ratio };
      const plain = await pixelsIn(canvas, inside);
      await canvas.hover({ position: { x: 132, y: 92 } });
      await site.page.waitForFunction(() => new Promise(requestAnimationFrame));
      const hovered = await pixelsIn(canvas, inside);
      assert.deepEqual(hovered, plain.map((pixel) => pixel & 0xC0C0C0));
      assert.ok(plain.filter((pixel) => pixel === 0xFFFFFF).length > plain.length / 2);
      assert.deepEqual(site.problems, []);
    } finally {
      await site.close();
    }
  });
}
