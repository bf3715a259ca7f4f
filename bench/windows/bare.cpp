#include "system_dlls.h"

// The bare window loads only user32 and gdi32.
void loadSystemDlls() {}
