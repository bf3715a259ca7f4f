// The canvases at device pixel ratios 1 and 2 hold the pixel tables' colours
// every window system draws, and a hovered figure is masked: each channel ANDed with 192.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { gameWindow, mainWindowAtRest, openSite, PLAYER_HAND, printed, statusOnceIn } from './browser.mjs';

// The canvas's pixels in the rectangle, as numbers 0xRRGGBB.
function pixelsIn(canvas, rect) {
  return canvas.evaluate((canvas, { x, y, width, height }) => {
    const { data } = canvas.getContext('2d').getImageData(x, y, width, height);
    return Array.from({ length: width * height }, (_, i) => (data[i * 4] << 16) | (data[i * 4 + 1] << 8) | data[i * 4 + 2]);
  }, rect);
}

// The table's lines "x y RRGGBB" as the canvas holds them.
const pointsOf = (canvas, table) => Promise.all(table.map(async (line) => {
  const [x, y] = line.split(' ').map(Number);
  const [pixel] = await pixelsIn(canvas, { x, y, width: 1, height: 1 });
  return `${x} ${y} ${pixel.toString(16).padStart(6, '0').toUpperCase()}`;
}));

for (const ratio of [1, 2]) {
  test(`at device pixel ratio ${ratio} the canvases are drawn crisp, to the pixel`, async () => {
    const site = await openSite({ deviceScaleFactor: ratio, held: true });
    try {
      const table = (window) => printed(process.env.ZUMBILO_PIXEL_POINTS, window, `${ratio}`);
      // The logo's square: its red tile, red whatever the pixels' byte order.
      const logo = { x: 80 * ratio, y: 32 * ratio, width: 121 * ratio, height: 121 * ratio };
      // Held still, the start-up window is drawn by its first animation frames.
      const startup = gameWindow(site.page, 'Zumbilo').canvas;
      await startup.waitFor();
      await site.page.clock.runFor(100);
      assert.deepEqual(await pointsOf(startup, table('startup')), table('startup'));
      const reds = (await pixelsIn(startup, logo))
        .filter((pixel) => pixel >> 16 > 200 && (pixel >> 8 & 0xFF) < 80 && (pixel & 0xFF) < 80);
      await site.page.clock.resume();
      assert.ok(reds.length > logo.width * logo.height / 10, `${reds.length} red pixels in the logo`);

      const { canvas } = await mainWindowAtRest(site.page);
      assert.deepEqual(await canvas.evaluate((canvas) => [canvas.width, canvas.height, canvas.clientWidth]),
        [417 * ratio, 225 * ratio, 417]);
      assert.deepEqual(await pointsOf(canvas, table('main')), table('main'));

      // The scissors' picture and its shape, inside the shape's outline.
      await canvas.click({ position: PLAYER_HAND });
      await statusOnceIn(site.page, ['ELIGE UNA FIGURA']);
      await canvas.hover({ position: { x: 300, y: 20 } });
      const inside = { x: 97 * ratio, y: 57 * ratio, width: 71 * ratio, height: 71 * ratio };
      const plain = await pixelsIn(canvas, inside);
      await canvas.hover({ position: { x: 132, y: 92 } });
      await site.page.waitForFunction(() => new Promise(requestAnimationFrame));
      const hovered = await pixelsIn(canvas, inside);
      assert.deepEqual(hovered, plain.map((pixel) => pixel & 0xC0C0C0));
      assert.ok(plain.filter((pixel) => pixel === 0xFFFFFF).length > plain.length / 2);
    } finally {
      await site.close();
    }
  });
}
