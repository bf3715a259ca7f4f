// The About box: modal over the game's windows until its button, Enter or Escape
// closes it; the browser then gives focus back to what had it, as the desktop does.
const box = document.getElementById('about-box');

// Shows the title, the lines and, where asked, the icon; the promise settles
// once the box has closed again.
export function showAboutBox(title, lines, withIcon = true) {
  if (!box.open) {
    box.querySelector('h2').textContent = title;
    box.querySelector('.about-lines').replaceChildren(
      ...lines.map((line) => Object.assign(document.createElement('p'), { textContent: line })));
    box.querySelector('img').hidden = !withIcon;
    box.showModal();
  }
  return new Promise((resolve) => box.addEventListener('close', resolve, { once: true }));
}
