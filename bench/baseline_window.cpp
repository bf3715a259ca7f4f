// The baseline of the desktop benchmarks: an empty white Qt window the size
// of the start-up window, which is what any Qt program pays to show one.
//
// With --hand-off it also lives the program's life: 1730 ms after it is
// shown, an empty window the size of the main window replaces it, and a
// click on the right half of that one (a restart) brings the first back.
// Both carry the program's window titles, so that one script drives either.

#include <QApplication>
#include <QMouseEvent>
#include <QPalette>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <utility>

namespace {

constexpr int kHandOffMs = 1730;

class EmptyWindow final : public QWidget {
  public:
    EmptyWindow(const QString& title, QSize size, Qt::WindowFlags flags,
                std::function<void(QPoint)> onPress = {})
        : QWidget(nullptr, flags), onPress_(std::move(onPress)) {
        setWindowTitle(title);
        setFixedSize(size);
        QPalette white = palette();
        white.setColor(QPalette::Window, Qt::white);
        setPalette(white);
        const QScreen* screen = QGuiApplication::primaryScreen();
        move(screen->geometry().center() - rect().center());
    }

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (onPress_) {
            onPress_(event->position().toPoint());
        }
    }

  private:
    std::function<void(QPoint)> onPress_;
};

// The start-up window and the main window, one after the other.
class HandOff {
  public:
    void showStartupWindow() {
        startup_ = std::make_unique<EmptyWindow>(QStringLiteral("Form1"), QSize(521, 297),
                                                 Qt::Window | Qt::FramelessWindowHint);
        startup_->show();
        QTimer::singleShot(kHandOffMs, Qt::PreciseTimer, [this] { showMainWindow(); });
    }

  private:
    void showMainWindow() {
        main_ = std::make_unique<EmptyWindow>(QStringLiteral("ZUMBILO"), QSize(417, 225),
                                              Qt::Window, [this](QPoint at) { pressed(at); });
        main_->show();
        startup_.reset();
    }

    void pressed(QPoint at) {
        if (at.x() < main_->width() / 2) {
            return;
        }
        // Not from inside the window's own event handler.
        QTimer::singleShot(0, [this] {
            main_.reset();
            showStartupWindow();
        });
    }

    std::unique_ptr<EmptyWindow> startup_;
    std::unique_ptr<EmptyWindow> main_;
};

}  // namespace

int main(int argc, char** argv) {
    const QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const bool handOff = args.size() > 1 && args[1] == QStringLiteral("--hand-off");
    if (!handOff) {
        EmptyWindow window(QStringLiteral("Form1"), QSize(521, 297),
                           Qt::Window | Qt::FramelessWindowHint);
        window.show();
        return QApplication::exec();
    }
    HandOff windows;
    windows.showStartupWindow();
    return QApplication::exec();
}
