#pragma once
#include <QObject>
#include <QRect>

class QTimer;
class QWidget;

// Shakes a window for about three seconds without holding the interface: at
// each tick its left and top edges move, and its width and height change, by
// a whole number of pixels from -6 to +6 each, drawn apart. Then the window
// goes back to the place, size and state it had.
class WindowShaker : public QObject {
    Q_OBJECT
public:
    static constexpr int kInterval = 20; // ms
    static constexpr int kSteps = 150;
    static constexpr int kReach = 6;

    explicit WindowShaker(QWidget *window);

    // Starts shaking; while shaking, starts the count again from where the
    // window was before the first start.
    void start();
    // One tick; the last one puts the window back.
    void step();
    bool isShaking() const;
    QTimer *timer() const { return m_timer; }

private:
    void finish();

    QWidget *m_window;
    QTimer *m_timer;
    QRect m_geometry;
    Qt::WindowStates m_state;
    int m_stepsLeft = 0;
};
