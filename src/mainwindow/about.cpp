#include "mainwindow/about.h"

#include "platform/runtime/runtime.h"

namespace mainwindow {

std::string aboutText(int major, int minor) {
    return "Velmarin\r\nZumbilo: Versión " + std::to_string(major) + "." + std::to_string(minor);
}

void cmdAbout_Click(platform::Form& window) {
    platform::Runtime& runtime = window.runtime();
    const platform::AppRecord& App = runtime.App();
    runtime.showAboutBox(window, App.Title, aboutText(App.Major, App.Minor), window.Icon());
}

}  // namespace mainwindow
