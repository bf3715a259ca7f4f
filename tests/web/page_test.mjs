// The page as the first visit finds it: clean, installable, and with a face for
// every caption the game shows.
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { after, before, test } from 'node:test';

import { openSite } from './browser.mjs';

const SOURCES = new URL('../../src/', import.meta.url);

let site;
before(async () => {
  site = await openSite();
});
after(() => site.close());

test('the page loads with no error and no request outside its origin', async () => {
  await site.page.evaluate(() => navigator.serviceWorker.ready);
  assert.equal(await site.page.title(), 'Zumbilo');
  assert.deepEqual(site.problems, []);
});

test('Chromium finds the site installable', async () => {
  const devtools = await site.context.newCDPSession(site.page);
  const { installabilityErrors } = await devtools.send('Page.getInstallabilityErrors');
  assert.deepEqual(installabilityErrors, []);
});

// Every caption the windows' code sets (not the windows' own titles, set first
// in their designs), and the counters' digits.
async function captions() {
  const files = ['mainwindow/layout.cpp', 'startup/layout.cpp', 'game/frm_principal.cpp'];
  const texts = await Promise.all(files.map((file) => readFile(new URL(file, SOURCES), 'utf8')));
  const set = texts.flatMap((text) => [...text.matchAll(/(?<!\{)\.Caption = "([^"]*)"/g)]);
  return [...set.map((match) => match[1]).filter(Boolean), '0123456789'];
}

// A caption a face lacks a character of falls back to the next family in the
// list: with two unlike fallbacks its width then differs between them.
test('one of the site\'s faces has every character of each caption', async () => {
  const shown = await captions();
  assert.ok(shown.includes('BIENVENIDO') && shown.includes('Zumbilo'), shown.join(' | '));
  const uncovered = await site.page.evaluate(async (shown) => {
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
