#pragma once
#include "app/banner.h"

#include <QWidget>

// The banner label: the scroller's text drawn at its left edge inside the
// strip. Only the pieces of the text that cross the strip are measured and
// drawn, so a message of any length costs the same at every tick.
class BannerLabel : public QWidget {
    Q_OBJECT
public:
    BannerLabel(banner::Scroller &scroller, QWidget *parent);

    QString text() const { return m_scroller.text(); }
    qint64 left() const { return m_scroller.left(); }

signals:
    void clicked();

protected:
    bool event(QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    // Whether a point of the strip lies on the label, not on the empty strip
    // around it.
    bool onLabel(int x);

    banner::Scroller &m_scroller;
};
