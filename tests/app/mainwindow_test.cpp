#include "app/clicklabel.h"
#include "app/exitwindow.h"
#include "app/mainwindow.h"
#include "app/startupwindow.h"
#include "app/windowset.h"
#include "editor/editorwindow.h"
#include "testing/testwindow.h"
#include "tests/support.h"

#include "platform/failure.h"
#include "platform/fileio.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using testing_support::crlf;

namespace {

const QString kSettings = QStringLiteral("C:\\windows\\tavilo.ini");

class MainWindow : public ::testing::Test {
protected:
    testing_support::Sandbox box;

    void SetUp() override
    {
        createWindowSet();
        box.put(kSettings, crlf({"date", "Marie", "Lac", "800", "Mouse", "1"}));
        Form1->Memo6.loadFromFile(kSettings);
    }
    void TearDown() override { destroyWindowSet(); }

    QStringList records(const QString &kind)
    {
        QStringList out;
        for (const auto &r : box.desktop().records)
            if (r.kind == kind)
                out << r.text;
        return out;
    }
};

bool tabStop(const QWidget *w)
{
    return w->focusPolicy() & Qt::TabFocus;
}

// Everything one mode switches, as the other windows and the file see it.
void expectMode(bool keyboard, const testing_support::Sandbox &box)
{
    SCOPED_TRACE(keyboard ? "keyboard mode" : "mouse mode");
    EXPECT_EQ(Form4->BitBtn7->isVisibleTo(Form4), keyboard);
    EXPECT_EQ(Form4->ListBox9->isVisibleTo(Form4), keyboard);
    EXPECT_EQ(Form4->ListBox1->isVisibleTo(Form4), !keyboard);
    EXPECT_EQ(Form1->RadioButton6->isChecked(), keyboard);
    EXPECT_EQ(Form1->RadioButton5->isChecked(), !keyboard);
    EXPECT_EQ(box.get(kSettings),
              crlf({"date", "Marie", "Lac", "800", keyboard ? "No Mouse" : "Mouse", "1"}));
    EXPECT_EQ(Form1->BitBtn10->isVisibleTo(Form1), keyboard);
    EXPECT_EQ(Form1->BitBtn11->isVisibleTo(Form1), keyboard);
    TForm2 *e = Form2;
    for (QWidget *w : {static_cast<QWidget *>(e->BitBtn1), static_cast<QWidget *>(e->Edit1),
                       static_cast<QWidget *>(e->Edit2)})
        EXPECT_TRUE(tabStop(w)) << w->objectName().toStdString();
    for (QWidget *w : {static_cast<QWidget *>(e->BitBtn2), static_cast<QWidget *>(e->BitBtn3),
                       static_cast<QWidget *>(e->BitBtn4), static_cast<QWidget *>(e->BitBtn5),
                       static_cast<QWidget *>(e->BitBtn6), static_cast<QWidget *>(e->BitBtn7),
                       static_cast<QWidget *>(e->BitBtn8), static_cast<QWidget *>(e->BitBtn9),
                       static_cast<QWidget *>(e->BitBtn10), static_cast<QWidget *>(e->ListBox1),
                       static_cast<QWidget *>(e->ListBox2), static_cast<QWidget *>(e->ListBox3)}) {
        EXPECT_EQ(tabStop(w), keyboard) << w->objectName().toStdString();
        // Out of the tab order, a control still takes the focus from a click.
        EXPECT_TRUE(w->focusPolicy() & Qt::ClickFocus) << w->objectName().toStdString();
    }
    EXPECT_EQ(e->SpeedButton1->isVisibleTo(e), !keyboard);
    EXPECT_EQ(e->SpeedButton2->isVisibleTo(e), !keyboard);
    EXPECT_EQ(e->BitBtn11->isVisibleTo(e), keyboard);
    EXPECT_EQ(e->BitBtn12->isVisibleTo(e), keyboard);
}

TEST_F(MainWindow, InputModesSwitchEveryControl)
{
    Form1->RadioButton6Click();
    expectMode(true, box);
    Form1->RadioButton5Click();
    expectMode(false, box);
    Form1->RadioButton6Click();
    expectMode(true, box);
    EXPECT_TRUE(box.desktop().messages().isEmpty());
}

TEST_F(MainWindow, InputModeAppliedWhenTheSettingsCannotBeSaved)
{
    plat::setWriteFailureHook([](const QString &) { return QStringLiteral("Disque plein."); });
    Form1->RadioButton6Click();
    EXPECT_EQ(box.desktop().messages(),
              QStringList({QStringLiteral("Vos paramètres utilisateur n'ont pas pu être sauvés.")}));
    EXPECT_EQ(Form1->Memo6.memoLine(4), QStringLiteral("No Mouse"));
    EXPECT_EQ(box.get(kSettings), crlf({"date", "Marie", "Lac", "800", "Mouse", "1"}));
    EXPECT_TRUE(Form1->RadioButton6->isChecked());
    EXPECT_TRUE(Form1->BitBtn10->isVisibleTo(Form1));
    EXPECT_TRUE(Form2->BitBtn11->isVisibleTo(Form2));
}

TEST_F(MainWindow, TestWindowPreparedBeforeItShows)
{
    for (bool keyboard : {false, true}) {
        SCOPED_TRACE(keyboard ? "keyboard mode" : "mouse mode");
        keyboard ? Form1->RadioButton6Click() : Form1->RadioButton5Click();
        TForm4 *t = Form4;
        // What a previous test left behind.
        t->ListBox1->setToolTip(QStringLiteral("ancien"));
        for (QLabel *l : {t->Label18, t->Label21, t->Label17, t->Label19, t->label26, t->Label29,
                          t->Label15, t->Label12})
            l->setText(QStringLiteral("ancien"));
        t->Edit5->setText(QStringLiteral("réponse"));
        t->Edit3 = QStringLiteral("7");
        t->Edit4 = QStringLiteral("2");
        t->Timer1->setInterval(20000);
        for (QWidget *w : {static_cast<QWidget *>(t->ListBox1), static_cast<QWidget *>(t->Label1),
                           static_cast<QWidget *>(t->Label22), static_cast<QWidget *>(t->Parcourir),
                           static_cast<QWidget *>(t->BitBtn7), static_cast<QWidget *>(t->ListBox9)})
            w->hide();

        Form1->RadioButton3Click();

        EXPECT_EQ(t->ListBox1->toolTip(),
                  QStringLiteral("Choisissez la fiche sur laquelle vous voulez être testé(e)."));
        EXPECT_EQ(t->Label18->text(), QStringLiteral("Pourcentage faux : 0 %"));
        EXPECT_EQ(t->Label21->text(), QStringLiteral("Pourcentage juste : 0 %"));
        EXPECT_EQ(t->Label17->text(), QStringLiteral("Termes justes : 0"));
        EXPECT_EQ(t->Label19->text(), QStringLiteral("Termes testés : 0"));
        for (QLabel *l : {t->label26, t->Label29, t->Label15, t->Label12})
            EXPECT_EQ(l->text(), QString()) << l->objectName().toStdString();
        EXPECT_EQ(t->Edit5->text(), QString());
        EXPECT_EQ(t->Edit4, QStringLiteral("0"));
        EXPECT_EQ(t->Edit3, QStringLiteral("-1"));
        EXPECT_EQ(t->Timer1->interval(), 1);
        for (QWidget *w : {static_cast<QWidget *>(t->ListBox1), static_cast<QWidget *>(t->Label1),
                           static_cast<QWidget *>(t->Label22), static_cast<QWidget *>(t->Parcourir)})
            EXPECT_TRUE(w->isVisibleTo(t)) << w->objectName().toStdString();
        EXPECT_EQ(t->BitBtn7->isVisibleTo(t), keyboard);
        EXPECT_EQ(t->ListBox9->isVisibleTo(t), keyboard);
        // The keys reach the list that can be seen, and never the covered one.
        if (keyboard) {
            EXPECT_EQ(t->focusWidget(), t->ListBox9);
        }
        EXPECT_EQ(t->ListBox1->focusPolicy(), keyboard ? Qt::NoFocus : Qt::StrongFocus);
        EXPECT_EQ(records(QStringLiteral("show")).last(), QStringLiteral("Form4"));
        t->hide();
    }
    EXPECT_EQ(records(QStringLiteral("modal")), QStringList());
}

TEST_F(MainWindow, ActivitiesOpenTheirWindows)
{
    struct Case {
        void (TForm1::*handler)();
        const char *window;
    } cases[] = {
        {&TForm1::RadioButton1Click, "Form2"}, {&TForm1::RadioButtonClick, "Form3"},
        {&TForm1::BitBtn7Click, "For2"},       {&TForm1::BitBtn5Click, "Form15"},
        {&TForm1::RadioButton4Click, "Form6"}, {&TForm1::Image1Click, "Form5"},
        {&TForm1::FormClose, "Form6"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.window);
        box.desktop().records.clear();
        (Form1->*c.handler)();
        EXPECT_EQ(records(QStringLiteral("modal")), QStringList({QString::fromLatin1(c.window)}));
    }
}

TEST_F(MainWindow, FailuresOfTheActivityWindowsAreSwallowed)
{
    const auto failing = [](plat::Form *) -> int { throw plat::Failure(QStringLiteral("panne")); };
    for (void (TForm1::*handler)() : {&TForm1::RadioButton1Click, &TForm1::RadioButtonClick}) {
        box.desktop().modalActions.push_back(failing);
        EXPECT_NO_THROW((Form1->*handler)());
    }
    EXPECT_TRUE(box.desktop().messages().isEmpty());
}

TEST_F(MainWindow, StartupWindowShownAtFirstActivationOnly)
{
    // Closing the start-up window makes the main window active again before the
    // modal call returns: that activation must not show it a second time.
    box.desktop().formActivated(Form1);
    box.desktop().formActivated(nullptr);
    box.desktop().formActivated(Form1);
    EXPECT_EQ(records(QStringLiteral("modal")), QStringList({QStringLiteral("Form7")}));
    EXPECT_EQ(Form1->startupMarker, 1);
}

TEST_F(MainWindow, ProductPageOpensInTheBrowser)
{
    Form1->totp();
    Form1->BitBtn11->click();
    const QStringList urls = records(QStringLiteral("url"));
    ASSERT_EQ(urls.size(), 2);
    EXPECT_EQ(urls[0], mainwindow::kProductPage);
    EXPECT_TRUE(urls[0].startsWith(QLatin1String("https://orsiva.fr/")));
    EXPECT_EQ(urls[1], urls[0]);
}

// In keyboard mode a button reached with Tab is pressed with Enter as with Space.
TEST_F(MainWindow, EnterPressesTheFocusedButton)
{
    struct Case {
        QPushButton *TForm1::*button;
        const char *kind;
        QString opened;
    } cases[] = {
        {&TForm1::BitBtn1, "modal", QStringLiteral("Form2")},
        {&TForm1::BitBtn2, "modal", QStringLiteral("Form3")},
        {&TForm1::BitBtn3, "show", QStringLiteral("Form4")},
        {&TForm1::BitBtn7, "modal", QStringLiteral("For2")},
        {&TForm1::BitBtn5, "modal", QStringLiteral("Form15")},
        {&TForm1::BitBtn4, "modal", QStringLiteral("Form6")},
        {&TForm1::BitBtn11, "url", mainwindow::kProductPage},
    };
    for (const Case &c : cases) {
        QPushButton *b = Form1->*c.button;
        SCOPED_TRACE(b->objectName().toStdString());
        box.desktop().records.clear();
        for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(b, &press);
        }
        EXPECT_EQ(records(QString::fromLatin1(c.kind)), QStringList(2, c.opened));
    }
}

// Ending the message loop closes every window: the main window's close must
// not show the exit window a second time over itself.
TEST_F(MainWindow, ExitWindowShownOnceWhenTheProgramEnds)
{
    for (void (TForm1::*handler)() : {&TForm1::RadioButton4Click, &TForm1::FormClose}) {
        box.desktop().records.clear();
        box.desktop().modalActions.push_back([](plat::Form *) {
            Form6->Timer1Timer();
            QCloseEvent closing;
            QApplication::sendEvent(Form1, &closing);
            EXPECT_TRUE(closing.isAccepted());
            return int(plat::mrNone);
        });
        (Form1->*handler)();
        EXPECT_EQ(records(QStringLiteral("modal")), QStringList({QStringLiteral("Form6")}));
    }
    // Shown again at the next quit.
    Form1->RadioButton4Click();
    EXPECT_EQ(records(QStringLiteral("modal")).size(), 2);
}

TEST_F(MainWindow, ExitWindowEndsTheProgram)
{
    EXPECT_FALSE(Form6->Timer1->isActive());
    box.desktop().modalActions.push_back([](plat::Form *f) {
        EXPECT_EQ(f, Form6);
        EXPECT_TRUE(Form6->Timer1->isActive()); // started by its activation
        EXPECT_EQ(Form6->Timer1->interval(), 1500);
        Form6->Timer1Timer();
        return int(plat::mrNone);
    });
    Form1->RadioButton4Click();
    EXPECT_TRUE(box.desktop().terminated);
}

} // namespace

// Tab reaches both input modes, in the table's order, whichever is checked,
// and the two stay exclusive when clicked or pressed with Space.
TEST_F(MainWindow, TabReachesBothInputModes)
{
    Form1->show();
    // Active, so that the controls hear of the focus as they would on screen.
    QApplication::setActiveWindow(Form1);
    for (bool keyboard : {false, true, false}) {
        SCOPED_TRACE(keyboard ? "keyboard mode" : "mouse mode");
        keyboard ? Form1->RadioButton6Click() : Form1->RadioButton5Click();
        Form1->BitBtn6->setFocus();
        QStringList reached;
        for (int i = 0; i < 2; ++i) {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(QApplication::focusWidget(), &tab);
            reached << QApplication::focusWidget()->objectName();
        }
        EXPECT_EQ(reached, QStringList({"RadioButton5", "RadioButton6"}));

        QRadioButton *checked = keyboard ? Form1->RadioButton6 : Form1->RadioButton5;
        QRadioButton *other = keyboard ? Form1->RadioButton5 : Form1->RadioButton6;
        checked->click();
        EXPECT_TRUE(checked->isChecked());
        EXPECT_FALSE(other->isChecked());
    }
}

// In keyboard mode the product picture's button is seen on the picture, not
// beside it on the black window.
TEST_F(MainWindow, KeyboardButtonSitsOnTheProductPicture)
{
    ASSERT_EQ(Form1->BitBtn11->parentWidget(), static_cast<QWidget *>(Form1->Image1));
    const QImage picture = Form1->Image1->pixmap().toImage();
    const QRect button = Form1->BitBtn11->geometry();
    ASSERT_TRUE(picture.rect().contains(button));
    for (const QPoint corner : {button.topLeft(), button.topRight(), button.bottomLeft(), button.bottomRight()})
        EXPECT_EQ(picture.pixelColor(corner).alpha(), 255) << corner.x() << "," << corner.y();
}

// On a screen of 800 by 600 every window can be shown whole, title bar
// included: none asks for more room than that. The editor is laid out on
// its own.
TEST_F(MainWindow, EveryWindowFitsASmallScreen)
{
    const QSize screen(800, 600 - 30);
    int checked = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *form = qobject_cast<plat::Form *>(w);
        if (!form || form == Form2)
            continue;
        form->ensurePolished();
        const QSize need = form->minimumSize().expandedTo(form->minimumSizeHint());
        EXPECT_TRUE(need.width() <= screen.width() && need.height() <= screen.height())
            << form->objectName().toStdString() << " needs " << need.width() << "x" << need.height();
        ++checked;
    }
    EXPECT_EQ(checked, 21);
}
