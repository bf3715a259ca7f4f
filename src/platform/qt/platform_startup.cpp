#include "platform/qt/platform_startup.h"

#include <QLoggingCategory>
#include <QRegularExpression>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

// Qt's message handler is a plain function: the one instance alive while the
// Qt application is being made.
PlatformStartup* active = nullptr;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

struct PluginPackage {
    const char* pluginPrefix;
    const char* package;
};

// Where Debian 12 keeps the platform plugins a desktop needs.
constexpr std::array kPluginPackages{
    PluginPackage{"wayland", "qt6-wayland"},
    PluginPackage{"xcb", "libqt6gui6"},
};

QString packageOf(const QString& plugin) {
    for (const auto& [prefix, package] : kPluginPackages) {
        if (plugin.startsWith(QLatin1String(prefix))) {
            return QString::fromLatin1(package);
        }
    }
    return {};
}

// The plugin a message of Qt's platform factory is about: `... plugin "xcb" ...`.
QString pluginNamed(const QString& message) {
    static const QRegularExpression quoted(QStringLiteral(R"re(plugin "([^"]*)")re"));
    return quoted.match(message).captured(1);
}

}  // namespace

PlatformStartup::PlatformStartup() : previous_(qInstallMessageHandler(onMessage)) {
    active = this;
    // The loader says why a plugin that was found cannot be loaded (a missing
    // library, say) only among its debug messages.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.core.plugin.loader.debug=true"));
}

PlatformStartup::~PlatformStartup() {
    QLoggingCategory::setFilterRules({});
    qInstallMessageHandler(previous_);
    active = nullptr;
    for (const HeldMessage& m : held_) {
        const QMessageLogContext context(m.file.constData(), m.line, m.function.constData(),
                                         m.category.constData());
        qt_message_output(m.type, context, m.text);
    }
}

void PlatformStartup::onMessage(QtMsgType type, const QMessageLogContext& context,
                                const QString& message) {
    if (type == QtFatalMsg) {
        active->giveUp();
    }
    const QString category = QString::fromLatin1(context.category);
    if (category.startsWith(QLatin1String("qt.qpa")) ||
        category.startsWith(QLatin1String("qt.core.plugin"))) {
        active->take(category, message);
    } else {
        active->held_.push_back(
            {type, context.file, context.line, context.function, context.category, message});
    }
}

void PlatformStartup::take(const QString& category, const QString& message) {
    if (category == QLatin1String("qt.core.plugin.loader") &&
        message.startsWith(QLatin1String("QLibraryPrivate::loadPlugin failed"))) {
        // `... failed on "<file>" : "<reason>"`
        loadError_ = message.section(QStringLiteral(" : \""), 1).chopped(1);
    } else if (category == QLatin1String("qt.qpa.plugin")) {
        if (message.contains(QLatin1String("even though it was found"))) {
            lastPlugin_ = pluginNamed(message);
            // Loaded but not started: the plugin could not open its display,
            // unless the loader said why it failed.
            pluginFailure_.reset();
            if (!loadError_.isEmpty()) {
                pluginFailure_ = PluginFailure{lastPlugin_, loadError_};
            }
            loadError_.clear();
        } else if (message.startsWith(QLatin1String("Could not find"))) {
            lastPlugin_ = pluginNamed(message);
            pluginFailure_ = PluginFailure{lastPlugin_, message};
        }
    }
}

void PlatformStartup::giveUp() const {
    if (pluginFailure_) {
        const QString package = packageOf(pluginFailure_->plugin);
        const QString from =
            package.isEmpty() ? QString() : QStringLiteral(", del paquete ") + package;
        std::fprintf(stderr,
                     "zumbilo: Qt no puede cargar su complemento de plataforma «%s»%s: %s\n",
                     qPrintable(pluginFailure_->plugin), qPrintable(from),
                     qPrintable(pluginFailure_->reason));
    } else {
        const char* display =
            lastPlugin_.startsWith(QLatin1String("wayland")) ? "WAYLAND_DISPLAY" : "DISPLAY";
        std::fprintf(stderr, "zumbilo: no se puede abrir la pantalla %s\n",
                     qgetenv(display).constData());
    }
    std::_Exit(1);
}

}  // namespace platform
