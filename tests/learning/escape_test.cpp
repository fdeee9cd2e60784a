#include "app/mainwindow.h"
#include "app/settings.h"
#include "learning/fullscreenwindow.h"
#include "learning/learningwindow.h"
#include "testing/testsettingswindow.h"
#include "testing/testwindow.h"
#include "tests/support.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using testing_support::crlf;

using EscapeKey = testing_support::QuietWindowSet;

// In each window, Escape pressed in one of its controls leaves what the
// window's cancel or quit button leaves, from the same start.
TEST_F(EscapeKey, DoesWhatTheCancelOrQuitButtonDoes)
{
    sandbox.put(settings::kPath, crlf({"date", "Marie", "Lac", "800", "Mouse", "1", "3", "20"}));
    Form1->Memo6.loadFromFile(settings::kPath);
    sandbox.put(QStringLiteral("C:\\f.fic"), crlf({"Animaux", "dog", "chien"}));
    Form1->ListBox1.append(QStringLiteral("C:\\f.fic"));
    Form3->ListBox1->addItem(QStringLiteral("Animaux"));
    Form4->ListBox1->addItem(QStringLiteral("Animaux"));
    const auto shown = [](QWidget *w, bool more) { return QStringLiteral("%1 %2").arg(w->isVisible()).arg(more); };
    const struct {
        std::function<QWidget *()> prepare; // the window at work; where Escape is pressed
        QPushButton *button;
        std::function<QString()> state;
        const char *question = nullptr; // asked first, and answered Oui
    } cases[] = {
        {[] {
             Form3->show();
             Form3->ListBox1->setItemIndex(0);
             Form3->ListBox1Click();
             Form3->BitBtn1Click();
             return Form3->ListBox1;
         },
         Form3->BitBtn2, [&] { return shown(Form3, Form3->running()); }},
        {[] {
             pleinec->show();
             pleinec->FormActivate();
             return pleinec->BitBtn3;
         },
         pleinec->BitBtn1, [&] { return shown(pleinec, pleinec->Timer1->isActive()); }},
        {[] {
             Form1->RadioButton3Click();
             Form4->ListBox1->setItemIndex(0);
             Form4->ListBox1Click();
             Form4->BitBtn1Click();
             return Form4->Edit5;
         },
         Form4->BitBtn2, [&] { return shown(Form4, Form4->Timer1->isActive()); }, "Abandonner le test en cours ?"},
        {[] {
             Form12->show();
             Form12->FormActivate();
             Form12->TrackBar1->setValue(35);
             return Form12->TrackBar1;
         },
         Form12->BitBtn6, [&] { return shown(Form12, Form12->TrackBar1->value() == 35); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.button->text().toStdString());
        c.prepare();
        const QString before = c.state();
        c.button->click();
        const QString byButton = c.state();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QWidget *at = c.prepare();
        sandbox.desktop().records.clear();
        if (c.question)
            sandbox.desktop().messageAnswers.push_back(plat::mrYes);
        QApplication::sendEvent(at, &escape);
        EXPECT_EQ(sandbox.desktop().messages(), c.question ? QStringList{c.question} : QStringList());
        EXPECT_EQ(c.state(), byButton);
        EXPECT_NE(c.state(), before);
    }
}
