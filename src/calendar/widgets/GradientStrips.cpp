#include "calendar/widgets/GradientStrips.h"

#include <QPainter>

namespace {

int mix(int from, int to, qint64 i, qint64 n) {
    return int((qint64(from) * (n - i) + qint64(to) * i) / n);
}

}  // namespace

void fillGradientStrips(QPainter& painter, const QRect& r, const QColor& first, const QColor& last,
                        GradientOrientation orientation) {
    const bool horizontal = orientation == GradientOrientation::Horizontal;
    const qint64 n = qint64(horizontal ? r.width() : r.height()) - 1;
    if (n < 1) {
        return;
    }
    const QColor a = first.toRgb();
    const QColor b = last.toRgb();
    for (qint64 i = 0; i <= n; ++i) {
        const QColor strip(mix(a.red(), b.red(), i, n), mix(a.green(), b.green(), i, n),
                           mix(a.blue(), b.blue(), i, n));
        if (horizontal) {
            painter.fillRect(QRect(r.left() + int(i), r.top(), 1, r.height()), strip);
        } else {
            painter.fillRect(QRect(r.left(), r.top() + int(i), r.width(), 1), strip);
        }
    }
}
