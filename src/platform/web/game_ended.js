// Once the game has ended the page says so; its button starts the game again by
// loading the page anew.
const panel = document.getElementById('game-ended');
const playAgain = document.getElementById('play-again');
playAgain.addEventListener('click', () => window.location.reload());

export function showGameEnded() {
  panel.hidden = false;
  playAgain.focus();
}
