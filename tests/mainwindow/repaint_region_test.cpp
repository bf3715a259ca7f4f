#include <QCoreApplication>
#include <QPaintEvent>
#include <QRegion>

#include "game/game_test_fixture.h"
#include "platform/form_window.h"

namespace {

// Collects what the window is asked to repaint.
class PaintRecorder final : public QObject {
  public:
    QRegion painted;

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

class RepaintRegionTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        rt.clock.advance(200);  // let the slide finish
        form.window()->installEventFilter(&recorder);
        settle();
    }

    // Delivers pending paints, then forgets them.
    void settle() {
        QCoreApplication::processEvents();
        recorder.painted = QRegion();
    }

    QRegion paintedNow() {
        QCoreApplication::processEvents();
        return recorder.painted;
    }

    static QRect withSlack(const platform::Control& control) {
        const platform::PixelRect r = control.pixelRect();
        return QRect(r.x, r.y, r.width, r.height).adjusted(-1, -1, 1, 1);
    }

    PaintRecorder recorder;
};

TEST_F(RepaintRegionTest, aHandsTickRepaintsTheComputersHandAlone) {
    key('8');
    settle();
    for (int tick = 1; tick <= 5; ++tick) {
        ticks(1);
        const QRegion painted = paintedNow();
        EXPECT_FALSE(painted.isEmpty()) << tick;
        EXPECT_TRUE(QRegion(withSlack(c().Image2)).contains(painted.boundingRect())) << tick;
        recorder.painted = QRegion();
    }
}

TEST_F(RepaintRegionTest, writingAPropertyItsOwnValueRepaintsNothing) {
    c().lblGame.Caption = "BIENVENIDO";
    c().lblPlay[1].BackColor = platform::RGB(240, 28, 36);
    EXPECT_TRUE(paintedNow().isEmpty());
}

}  // namespace
