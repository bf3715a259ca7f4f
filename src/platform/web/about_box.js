// The About box: modal over the game's windows until its button, Enter or Escape
// closes it; the browser then gives focus back to what had it, as the desktop does.
const box = document.getElementById('about-box');

// Opens the box; the promise settles once it has closed again.
export function showAboutBox() {
  if (!box.open) {
    box.showModal();
  }
  return new Promise((resolve) => box.addEventListener('close', resolve, { once: true }));
}
