#include "platform/win32/monitors.h"

#include <shellscalingapi.h>

namespace platform::win32 {

HMONITOR monitorUnderPointer() {
    POINT pointer{};
    GetCursorPos(&pointer);
    return MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY);
}

Scale scaleOf(HMONITOR monitor) {
    UINT dpi = 0;
    UINT unused = 0;
    GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &dpi, &unused);
    return Scale(static_cast<int>(dpi));
}

}  // namespace platform::win32
