#pragma once

namespace platform {

// Once per process, after the Qt application exists: maps the layouts' font
// names onto installed families and lets assistive technology see controls.
void prepareDesktop();

}  // namespace platform
