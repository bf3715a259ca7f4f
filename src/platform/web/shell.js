// What the page does: the game starts once the captions' faces have loaded, so
// that its captions are measured in them; then the service worker keeps the
// site for play offline, without taking from the first frame.
import { showAboutBox } from './about_box.js';
import { showGameEnded } from './game_ended.js';
import createZumbilo from './zumbilo.js';

const faces = Promise.all([...document.fonts].map((face) => face.load()));
Promise.all([createZumbilo({ showAboutBox, showGameEnded, noInitialRun: true }), faces])
  .then(([game]) => game.callMain([]))
  .catch((error) => showGameEnded(`No se puede empezar el juego: ${error.message ?? error}`))
  .finally(() => navigator.serviceWorker?.register('service_worker.js').catch((error) => {
    console.warn('Zumbilo will not play offline:', error);
  }));
