#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

namespace platform {

// While it lives, holds back what Qt says as it loads its platform plugin and
// opens the display: when Qt cannot, it aborts with a page of advice and a core
// dump that blames neither clearly, after lines of the plugin's own (Wayland's
// "Failed to create wl_display"). Instead the process ends with status 1 and
// one line naming the display that cannot be opened, or the plugin that cannot
// be loaded with Qt's reason and the package that brings it. Once the display
// is open, what else Qt said meanwhile is said after all.
class PlatformStartup {
  public:
    PlatformStartup();
    PlatformStartup(const PlatformStartup&) = delete;
    PlatformStartup& operator=(const PlatformStartup&) = delete;
    PlatformStartup(PlatformStartup&&) = delete;
    PlatformStartup& operator=(PlatformStartup&&) = delete;
    ~PlatformStartup();

  private:
    struct PluginFailure {
        QString plugin;
        QString reason;
    };
    struct HeldMessage {
        QtMsgType type;
        QByteArray file;
        int line;
        QByteArray function;
        QByteArray category;
        QString text;
    };

    static void onMessage(QtMsgType type, const QMessageLogContext& context,
                          const QString& message);
    void take(const QString& category, const QString& message);
    [[noreturn]] void giveUp() const;

    QtMessageHandler previous_;
    QString lastPlugin_;
    QString loadError_;
    std::optional<PluginFailure> pluginFailure_;
    std::vector<HeldMessage> held_;
};

}  // namespace platform
