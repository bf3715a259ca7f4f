#pragma once

// The Win32 API as this room uses it. The API's RGB macro would rewrite the
// runtime's own RGB function wherever both are seen, so it goes.
#include <windows.h>
// Comes after windows.h, which it needs.
#include <commctrl.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <windowsx.h>

#undef RGB
