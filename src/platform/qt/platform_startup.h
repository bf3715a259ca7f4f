#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace platform {

// While it lives, holds back what Qt says as it loads its platform plugin and
// opens the display: when Qt cannot, it aborts with a page of advice and a core
// dump that blames neither clearly. Instead the process ends with status 1 and
// one line naming the display that cannot be opened, or the plugin that cannot
// be loaded with Qt's reason and the package that brings it.
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

    static void onMessage(QtMsgType type, const QMessageLogContext& context,
                          const QString& message);
    void take(const QString& category, const QString& message);
    [[noreturn]] void giveUp() const;

    QtMessageHandler previous_;
    QString lastPlugin_;
    QString loadError_;
    std::optional<PluginFailure> pluginFailure_;
};

}  // namespace platform
