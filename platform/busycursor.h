#pragma once
#include <QApplication>
#include <QCursor>

namespace plat {

// The waiting cursor for as long as it lives, for work on big input that the
// user would otherwise take for a frozen window. A quick job passes `false`
// and shows nothing, so small files never make the cursor flicker.
class BusyCursor {
public:
    explicit BusyCursor(bool show = true) : m_shown(show && qobject_cast<QApplication *>(QCoreApplication::instance()))
    {
        if (m_shown)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor()
    {
        if (m_shown)
            QApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

private:
    bool m_shown;
};

} // namespace plat
