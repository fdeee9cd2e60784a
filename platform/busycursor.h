#pragma once
#include "platform/fileio.h"
#include "platform/progress.h"

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

// Whether reading the file whole is long enough to show the waiting cursor:
// about a tenth of a second from 8 MB on.
inline bool bigFile(const QString &path)
{
    return fileSize(path) > (qint64(8) << 20);
}

// The Progress of long work that holds the event loop: at each beat the
// windows repaint (uncovered, resized) and timers run, while the user's
// clicks and keys wait until the work is done.
inline Progress repaintingProgress()
{
    return Progress([] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
}

} // namespace plat
