#pragma once
#include "platform/form.h"
#include "platform/linelist.h"

#include <functional>

namespace plat {
class Failure;
}

class ClickLabel;
class QLabel;
class QTimer;

// The start-up window. Its two timers run from creation: the short one runs
// the start-up pass, the long one closes the window.
class TForm7 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm7(QWidget *parent = nullptr);

    QTimer *Timer1;  // 4800 ms: ends the start-up window
    QTimer *Timer2;  // 100 ms: runs the start-up pass
    ClickLabel *Image1; // the product logo; a click closes the window
    QLabel *Label1;  // user name
    QLabel *Label2;  // company
    plat::LineList ListBox1; // indexes of the catalogue entries found unreadable

    // Re-arming: both timers again, so the pass repeats and the window closes later.
    void rearm();

    // The start-up pass, at the tick of Timer2.
    void FormActivate();
    void Timer1Timer();
    void Image1Click();

private:
    // Loads a list the pass keeps (load gets an empty path for a list to be
    // emptied); whether it now holds what its file holds.
    bool loadStateList(const QString &path, bool settingsRead,
                       const std::function<void(const QString &)> &load);
    // Tells a failure of the pass, once per cause.
    static void report(const plat::Failure &f);
    void restoreSliders();
};

extern TForm7 *Form7;

namespace startup {
inline const QString kCataloguePath = QStringLiteral("C:\\windows\\BRNlist.ini");
inline const QString kUserListPath = QStringLiteral("C:\\windows\\TLusers.ini");
// The same file as the start-up pass writes it back.
inline const QString kUserListSavePath = QStringLiteral("C:\\Windows\\TLusers.ini");
} // namespace startup
