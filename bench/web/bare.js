// The floor of the game's first frame: a canvas of the start-up window's size,
// at the device pixel ratio, drawing a word in each of the game's faces and the
// logo once they have loaded, then marked as the game marks its first frame.
const canvas = document.querySelector('canvas');
canvas.style.width = `${canvas.width}px`;
canvas.width *= devicePixelRatio;
canvas.height *= devicePixelRatio;
const [logo] = await Promise.all([
  fetch('icons/icon_128.png').then((response) => response.blob()).then(createImageBitmap),
  ...[...document.fonts].map((face) => face.load()),
]);
const context = canvas.getContext('2d');
context.scale(devicePixelRatio, devicePixelRatio);
context.fillStyle = '#fff';
context.fillRect(0, 0, 521, 297);
context.drawImage(logo, 80, 32, 121, 121);
context.fillStyle = '#000';
for (const [font, word, y] of [['35px Carlito', 'Zumbilo', 190], ['bold 16px "Comic Neue"', '0', 230],
  ['16px "Comic Neue"', 'BIENVENIDO', 250], ['13px "Liberation Sans"', 'x', 270]]) {
  context.font = font;
  context.fillText(word, 80, y);
}
performance.mark('zumbilo-first-frame');
