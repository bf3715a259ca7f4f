#pragma once

// What the window loads of Windows' own DLLs beyond user32 and gdi32 before it
// shows: nothing for the bare window; for its second build, what the game
// loads at start.
void loadSystemDlls();
