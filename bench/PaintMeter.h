#pragma once

#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>

// Counts the paint events of the widgets it watches, and adds up the area
// they repaint (the painter is clipped to it).
class PaintMeter final : public QObject {
public:
    qint64 pixels = 0;
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint) {
            for (const QRect &r : static_cast<QPaintEvent *>(event)->region())
                pixels += qint64(r.width()) * r.height();
            ++paints;
        }
        return false;
    }
};
