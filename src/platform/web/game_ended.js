// Once the game has ended the page says so, and why where it failed; its button
// starts the game again by loading the page anew.
const panel = document.getElementById('game-ended');
const playAgain = document.getElementById('play-again');
playAgain.addEventListener('click', () => window.location.reload());

export function showGameEnded(reason = '') {
  if (reason) {
    panel.querySelector('p').textContent = reason;
  }
  panel.hidden = false;
  playAgain.focus();
}
