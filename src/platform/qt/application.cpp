#include "platform/qt/application.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

#include "platform/qt/about_box.h"
#include "platform/qt/desktop_setup.h"
#include "platform/qt/fonts.h"
#include "platform/qt/platform_startup.h"
#include "platform/qt/real_clock.h"
#include "platform/qt/window_system.h"
#include "platform/runtime/clock_seeded_random.h"

namespace platform {

namespace {

bool hasEnvironment(const char* name) {
    const char* value = std::getenv(name);  // NOLINT(concurrency-mt-unsafe): read before any thread
    return value != nullptr && *value != '\0';
}

// Checked before Qt is asked, since Qt aborts with a core dump when it
// cannot reach a display.
void requireDisplay() {
    if (hasEnvironment("QT_QPA_PLATFORM") || hasEnvironment("DISPLAY") ||
        hasEnvironment("WAYLAND_DISPLAY")) {
        return;
    }
    std::fputs("zumbilo: no hay pantalla a la que conectarse (DISPLAY y WAYLAND_DISPLAY vacías)\n",
               stderr);
    std::exit(1);  // NOLINT(concurrency-mt-unsafe)
}

// On a Wayland session with XWayland, X11 lets the program centre and move
// its windows, which Wayland does not allow. Without XWayland, naming Wayland
// alone keeps Qt from falling back to X11 and blaming a display that is not
// there when its Wayland plugin is missing.
void choosePlatform() {
    if (hasEnvironment("QT_QPA_PLATFORM")) {
        return;
    }
    if (hasEnvironment("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else if (hasEnvironment("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "wayland");
    }
}

// Where no session bus runs (a bare X session, say), libdbus would have
// dbus-launch start one for Qt's accessibility bridge, and it would outlive
// the game. An address of a kind libdbus does not know fails at once and
// launches nothing; with no bus there is no screen reader to hear the game.
void keepSessionBusUnlaunched() {
    if (hasEnvironment("DBUS_SESSION_BUS_ADDRESS")) {
        return;
    }
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtimeDir.isEmpty() && QFileInfo::exists(runtimeDir + QStringLiteral("/bus"))) {
        return;
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", "none:");
}

class QtProcess final : public Process {
  public:
    void allFormsUnloaded() override { QCoreApplication::exit(0); }

    void end() override {
        std::fflush(nullptr);
        std::_Exit(0);
    }

    void fail(const std::string& title, const std::string& message) override {
        QMessageBox::critical(nullptr, QString::fromStdString(title),
                              QString::fromStdString(message));
        std::fflush(nullptr);
        std::_Exit(1);
    }
};

}  // namespace

struct Application::Parts {
    Parts(int& argc, char** argv, AppRecord app)
        : qt(argc, argv),
          runtime({.clock = clock,
                   .random = random,
                   .process = process,
                   .aboutBox = aboutBox,
                   .windows = windows,
                   .app = std::move(app)}) {}

    QApplication qt;
    // Qt's own words (the About box's button) in the desktop's language.
    QTranslator qtWords;
    RealClock clock;
    ClockSeededRandom random;
    QtProcess process;
    QtWindowSystem windows;
    DialogAboutBox aboutBox{windows.pictures()};
    Runtime runtime;
};

Application::Application(int& argc, char** argv, AppRecord app, const char* desktopId) {
    requireDisplay();
    choosePlatform();
    keepSessionBusUnlaunched();
    {
        const PlatformStartup startup;
        parts_ = std::make_unique<Parts>(argc, argv, std::move(app));
    }
    if (parts_->qtWords.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&parts_->qtWords);
    }
    prepareDesktop();
    if (const std::string missing = missingCaptionFonts(); !missing.empty()) {
        std::fprintf(stderr, "zumbilo: faltan fuentes de los textos: %s\n", missing.c_str());
    }
    QApplication::setApplicationName(QString::fromStdString(parts_->runtime.App().Title));
    QApplication::setQuitOnLastWindowClosed(false);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(desktopId));
}

Application::~Application() = default;

Runtime& Application::runtime() {
    return parts_->runtime;
}

int Application::run(const std::function<void()>& start) {
    parts_->runtime.dispatch(start);
    if (parts_->runtime.stopped()) {
        return 0;
    }
    return QApplication::exec();
}

}  // namespace platform
