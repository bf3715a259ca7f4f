#include "platform/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

#include "platform/clock_seeded_random.h"
#include "platform/desktop_setup.h"
#include "platform/dialog_about_box.h"
#include "platform/real_clock.h"

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

// While Qt connects to the display its platform messages are held back: when
// it cannot connect it aborts with a page of advice and a core dump, and the
// player should get one line and a plain exit instead.
void startupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        const QByteArray display =
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("QT_QPA_PLATFORM") == "xcb"
                ? qgetenv("DISPLAY")
                : qgetenv("WAYLAND_DISPLAY");
        std::fprintf(stderr, "zumbilo: no se puede abrir la pantalla %s\n", display.constData());
        std::_Exit(1);
    }
    if (context.category != nullptr && QByteArray(context.category).startsWith("qt.qpa")) {
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

// On a Wayland session with XWayland, X11 lets the program centre and move
// its windows, which Wayland does not allow.
void preferX11UnderWayland() {
    if (!hasEnvironment("QT_QPA_PLATFORM") && hasEnvironment("WAYLAND_DISPLAY") &&
        hasEnvironment("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
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
                   .app = std::move(app)}) {}

    QApplication qt;
    // Qt's own words (the About box's button) in the desktop's language.
    QTranslator qtWords;
    RealClock clock;
    ClockSeededRandom random;
    QtProcess process;
    DialogAboutBox aboutBox;
    Runtime runtime;
};

Application::Application(int& argc, char** argv, AppRecord app) {
    requireDisplay();
    preferX11UnderWayland();
    const QtMessageHandler previous = qInstallMessageHandler(startupMessages);
    parts_ = std::make_unique<Parts>(argc, argv, std::move(app));
    qInstallMessageHandler(previous);
    if (parts_->qtWords.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&parts_->qtWords);
    }
    prepareDesktop();
    QApplication::setApplicationName(QString::fromStdString(parts_->runtime.App().Title));
    QApplication::setQuitOnLastWindowClosed(false);
    QGuiApplication::setDesktopFileName(QString::fromStdString(parts_->runtime.App().desktopId));
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
