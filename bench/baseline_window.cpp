// The baseline of the desktop benchmarks: the floor of a window with
// captions. A white Qt window the size of the start-up window draws one
// picture and a word in each of its two caption faces, which stand in for
// fonts Linux lacks as they do in the program.
//
// With --hand-off it also lives the program's life: 1730 ms after it is
// shown, a window the size of the main window replaces it, drawing the
// picture and a word in the main window's caption face, and a click on the
// right half of that one (a restart) brings the first back. Both carry the
// program's window titles, so that one script drives either.

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
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

// Read by Qt's own BMP reader, without asking every image plugin first.
QImage picture() {
    QImageReader reader(QStringLiteral(":/pictures/logo.bmp"), "bmp");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QFont face(const QString& family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

class TextWindow final : public QWidget {
  public:
    TextWindow(const QString& title, QSize size, Qt::WindowFlags flags, QStringList faces,
               std::function<void(QPoint)> onPress = {})
        : QWidget(nullptr, flags), faces_(std::move(faces)), onPress_(std::move(onPress)) {
        setWindowTitle(title);
        setFixedSize(size);
        QPalette white = palette();
        white.setColor(QPalette::Window, Qt::white);
        setPalette(white);
        const QScreen* screen = QGuiApplication::primaryScreen();
        move(screen->geometry().center() - rect().center());
    }

  protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.drawImage(QPoint(80, 32), picture_);
        int baseline = 190;
        for (const QString& family : faces_) {
            painter.setFont(face(family, 24));
            painter.drawText(QPoint(80, baseline), QStringLiteral("Zumbilo"));
            baseline += 30;
        }
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (onPress_) {
            onPress_(event->position().toPoint());
        }
    }

  private:
    QStringList faces_;
    std::function<void(QPoint)> onPress_;
    QImage picture_ = picture();
};

std::unique_ptr<TextWindow> startupWindow() {
    return std::make_unique<TextWindow>(
        QStringLiteral("Zumbilo"), QSize(521, 297), Qt::Window | Qt::FramelessWindowHint,
        QStringList{QStringLiteral("Calibri"), QStringLiteral("Arial")});
}

// The start-up window and the main window, one after the other.
class HandOff {
  public:
    void showStartupWindow() {
        startup_ = startupWindow();
        startup_->show();
        QTimer::singleShot(kHandOffMs, Qt::PreciseTimer, [this] { showMainWindow(); });
    }

  private:
    void showMainWindow() {
        main_ = std::make_unique<TextWindow>(QStringLiteral("ZUMBILO"), QSize(417, 225), Qt::Window,
                                             QStringList{QStringLiteral("Segoe Print")},
                                             [this](QPoint at) { pressed(at); });
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

    std::unique_ptr<TextWindow> startup_;
    std::unique_ptr<TextWindow> main_;
};

}  // namespace

int main(int argc, char** argv) {
    const QApplication app(argc, argv);
    QFont::insertSubstitution(QStringLiteral("Segoe Print"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Calibri"), QStringLiteral("Carlito"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    const QStringList args = QCoreApplication::arguments();
    const bool handOff = args.size() > 1 && args[1] == QStringLiteral("--hand-off");
    if (!handOff) {
        const auto window = startupWindow();
        window->show();
        return QApplication::exec();
    }
    HandOff windows;
    windows.showStartupWindow();
    return QApplication::exec();
}
