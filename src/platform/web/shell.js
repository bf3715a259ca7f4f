// What the page does before the game's own code: the panel for a game that has
// ended is wired, and the service worker keeps the site for play offline.
import './game_ended.js';

if ('serviceWorker' in navigator) {
  navigator.serviceWorker.register('service_worker.js').catch((error) => {
    console.warn('Zumbilo will not play offline:', error);
  });
}
