#include "platform/desktop.h"
#include "platform/form.h"
#include "tests/support.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPrinter>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Escape in each of the Qt desktop's boxes and dialogs answers as their
// cancel does. The key goes to the dialog once it is up; a dialog that
// ignores it is closed after a while, and the case fails.
TEST(QtDesktop, EscapeCancelsEveryBoxAndDialog)
{
    testing_support::Sandbox box;
    plat::QtDesktop qt;
    QPrinter printer;
    const struct {
        const char *name;
        std::function<int()> ask;
        int cancelled;
    } cases[] = {
        {"OK", [&] { return qt.messageBox(QStringLiteral("x"), QStringLiteral("c"), plat::mbOK); }, plat::mrOk},
        {"Oui, Non",
         [&] {
             return qt.messageDlg(QStringLiteral("x"), plat::MsgType::Confirmation, plat::mbYes | plat::mbNo,
                                  plat::mrYes);
         },
         plat::mrNo},
        {"Oui, Non, Annuler",
         [&] {
             return qt.messageDlg(QStringLiteral("x"), plat::MsgType::Confirmation,
                                  plat::mbYes | plat::mbNo | plat::mbCancel, plat::mrYes);
         },
         plat::mrCancel},
        {"open", [&] { return int(qt.openFile({}).has_value()); }, 0},
        {"save", [&] { return int(qt.saveFile({}).has_value()); }, 0},
        {"font", [&] { return int(qt.chooseFont(QFont()).has_value()); }, 0},
        {"colour", [&] { return int(qt.chooseColor(Qt::red).has_value()); }, 0},
        {"printer", [&] { return int(qt.choosePrinter(printer)); }, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        bool forced = false;
        QTimer poll;
        int ticks = 0;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            if (++ticks > 40) {
                // A box without an escape button refuses even to close.
                forced = true;
                if (auto *d = qobject_cast<QDialog *>(dialog))
                    d->done(0);
                return;
            }
            // Once, from where the focus is; the dialog's own handling does the rest.
            if (ticks == 2) {
                QWidget *to = dialog->focusWidget() ? dialog->focusWidget() : dialog;
                QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(to, &esc);
            }
        });
        poll.start(50);
        const int result = c.ask();
        poll.stop();
        EXPECT_FALSE(forced);
        EXPECT_EQ(result, c.cancelled);
    }
}

} // namespace
