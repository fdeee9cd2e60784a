#include "app/mainwindow.h"
#include "diversions/exportnotice.h"
#include "diversions/picturewindow.h"
#include "help/aboutwindow.h"
#include "help/licencewindow.h"
#include "processing/mixerwindow.h"
#include "processing/processingwindow.h"
#include "processing/transmissionwindow.h"
#include "statistics/completionwindow.h"
#include "statistics/newuserdialog.h"
#include "statistics/statisticswindow.h"
#include "tests/support.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <functional>

namespace {

class Escape : public testing_support::QuietWindowSet {};

// The first control of a window that Tab reaches: where Escape is typed.
QWidget *firstControl(QWidget *window)
{
    for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && window->isAncestorOf(w))
            return w;
    }
    return window;
}

} // namespace

// In every secondary window Escape does what its cancel or quit button does:
// the same result, the same state left behind.
TEST_F(Escape, DoesWhatTheQuitButtonDoes)
{
    const struct {
        const char *name;
        std::function<plat::Form *()> form;
        std::function<QPushButton *()> button;
        std::function<void()> before;      // the state the window is left in
        std::function<QString()> observed; // what its button changes besides
    } cases[] = {
        {"statistiques", [] { return For2; }, [] { return For2->BitBtn4; },
         [] { Form1->RadioButton3->setChecked(true); },
         [] { return QString::number(Form1->RadioButton3->isChecked()); }},
        {"compléter les statistiques", [] { return For13; }, [] { return For13->Quitter; }, {}, {}},
        {"nouvel utilisateur", [] { return For9b; }, {}, {},
         [] { return QString::number(For2->Memo3.count()); }},
        {"traitement", [] { return Form15; }, [] { return Form15->BitBtn3; }, {}, {}},
        {"mixage", [] { return Form16; }, [] { return Form16->BitBtn4; }, {}, {}},
        {"transmission", [] { return Form14; }, [] { return Form14->BitBtn4; }, {}, {}},
        {"à propos, premier lancement", [] { return Form5; }, [] { return Form5->Quitter; },
         [] { Form5->premier = QStringLiteral("5"); }, [] { return Form5->premier; }},
        {"licence", [] { return Form10; }, [] { return Form10->BitBtn1; }, {}, {}},
        {"image", [] { return Imagebm; }, [] { return Imagebm->BitBtn2; }, {}, {}},
        {"allocution", [] { return Form11; }, [] { return Form11->BitBtn1; }, {}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        plat::Form *form = c.form();
        // Once with the button, once with Escape typed in the window's
        // first control.
        QStringList outcomes;
        for (bool escape : {false, true}) {
            if (c.before)
                c.before();
            sandbox.desktop().modalActions.push_back([&](plat::Form *) {
                form->setResult(-7);
                if (escape) {
                    QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                    QApplication::sendEvent(firstControl(form), &key);
                } else if (c.button) {
                    c.button()->click();
                } else {
                    For9b->cancel(); // no button: the close box
                }
                return form->result();
            });
            const int result = plat::desktop().showModal(form);
            outcomes.append(QString::number(result) + QLatin1Char('|') + (c.observed ? c.observed() : QString()));
            EXPECT_NE(result, -7) << (escape ? "Escape" : "button") << " left the window open";
        }
        EXPECT_EQ(outcomes[1], outcomes[0]);
    }
    EXPECT_TRUE(sandbox.desktop().messages().isEmpty()) << sandbox.desktop().messages().join('\n').toStdString();
}
