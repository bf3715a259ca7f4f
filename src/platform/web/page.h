#pragma once

// What the page carries out for the window system (window_library.js): the
// windows as DOM, their canvases and the layers assistive technology reads,
// the timers, the About box and the end of the game. Windows and timers go by
// the ids the C++ side gives them; sizes and places are in CSS pixels, which
// are the forms' pixels, and drawing is in the canvas's own pixels.
extern "C" {

// The desktop: its size, the frame of a border style (left, top, right,
// bottom), the device pixel ratio, watched from now on.
void zumbilo_desktop_size(int* size);
void zumbilo_frame_of(int borderStyle, int* margins);
double zumbilo_watch_pixel_ratio();
// The width and height of a line of text in a face.
void zumbilo_measure_text(const char* text, const char* family, int pixelSize, bool bold,
                          int* size);
// The game is over: the windows go and the page says so, with the message.
void zumbilo_end(const char* message);

void zumbilo_window_open(int window, int borderStyle, int width, int height);
void zumbilo_window_close(int window);
void zumbilo_window_title(int window, const char* title);
void zumbilo_window_place(int window, int left, int top);
void zumbilo_window_show(int window);
void zumbilo_window_canvas(int window, int width, int height);
// Empty: no tip.
void zumbilo_window_tool_tip(int window, const char* text);
// The window's zumbilo_paint on the next frame.
void zumbilo_window_paint_later(int window);

// Drawing into one window's canvas, clipped to the rectangle.
void zumbilo_paint_begin(int window, int x, int y, int width, int height);
void zumbilo_paint_end();
void zumbilo_fill(int x, int y, int width, int height, int red, int green, int blue, bool masked);
// Lines: 1 horizontal, 2 vertical, 4 upward diagonal, 8 downward diagonal.
void zumbilo_hatch(int x, int y, int width, int height, int lines, int red, int green, int blue,
                   bool masked);
void zumbilo_text(const char* text, const char* family, int pixelSize, bool bold, bool underline,
                  int red, int green, int blue, int x, int y, int width, int height);
// Pixels as the canvas has them, red, green, blue and alpha bytes, rows top
// to bottom.
void zumbilo_picture(const void* pixels, int width, int height, int x, int y);

// The layer over a window's canvas that assistive technology reads: its
// name, then each child in reading order, with the DOM role it takes.
void zumbilo_layer_begin(int window, const char* name);
void zumbilo_layer_child(int window, int id, const char* role, const char* name,
                         const char* description, int x, int y, int width, int height,
                         bool pressable);
void zumbilo_layer_end(int window);
void zumbilo_layer_announce(int window, const char* text);

// A timer's next tick, once, after that many milliseconds.
void zumbilo_timer_arm(int timer, double delayMs);
void zumbilo_timer_stop(int timer);

// Returns once the box is closed; nothing enters the game meanwhile.
void zumbilo_about_box(const char* title, const char* text, bool withIcon);
}
