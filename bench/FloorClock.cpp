// The least a Qt widget program can pay for a clock's second: a window of the
// face's size that repaints only the rectangles a thin hand leaves and enters,
// once a second, on a single-shot timer aimed at the second's start, as the
// clock does. bench/idle.sh runs it in the clock's place with IDLE_FLOOR=1,
// so that what the clock costs beyond Qt itself can be told apart.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTime>
#include <QTimer>
#include <QWidget>
#include <cmath>

namespace {

constexpr int kSide = 189;
constexpr int kCentre = 94;
constexpr int kLength = 75;

QPoint handEnd(int second) {
    const double a = second * M_PI / 30;
    return {kCentre + int(kLength * std::sin(a)), kCentre - int(kLength * std::cos(a))};
}

class FloorFace : public QWidget {
  public:
    FloorFace() {
        setFixedSize(kSide, kSide);
        // The clock's caption, so that the benchmark finds it as it finds the clock.
        setWindowTitle(QStringLiteral("chas"));
        tick_.setSingleShot(true);
        tick_.setTimerType(Qt::PreciseTimer);  // as the clock's tick: never before the second
        connect(&tick_, &QTimer::timeout, this, [this] {
            update(reach(second_));
            second_ = QTime::currentTime().second();
            update(reach(second_));
            tick_.start(1000 - QTime::currentTime().msec());
        });
        tick_.start(1000 - QTime::currentTime().msec());
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), Qt::white);
        painter.setPen(QPen(Qt::red, 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPoint(kCentre, kCentre), handEnd(second_));
    }

  private:
    static QRect reach(int second) {
        return QRect(QPoint(kCentre, kCentre), handEnd(second)).normalized().adjusted(-3, -3, 3, 3);
    }

    QTimer tick_;
    int second_ = QTime::currentTime().second();
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    FloorFace face;
    face.show();
    return app.exec();
}
