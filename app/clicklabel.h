#pragma once
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

// Whether a mouse release ends a left click on the widget: the pointer is
// still over it.
inline bool endsClick(const QWidget *widget, const QMouseEvent *e)
{
    return e->button() == Qt::LeftButton && widget->rect().contains(e->position().toPoint());
}

// A picture or text that reacts to a click, as the program's logos do.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        if (endsClick(this, e))
            emit clicked();
        QLabel::mouseReleaseEvent(e);
    }
};

// A panel that reacts to a click anywhere on it, its texts included.
class ClickFrame : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        if (endsClick(this, e))
            emit clicked();
        QFrame::mouseReleaseEvent(e);
    }
};
