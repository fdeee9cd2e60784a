#include "sheets/titlelistbox.h"
#include "tests/support.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

using sheets::TitleListBox;
using sheets::TitleVariant;

namespace {

void moveTo(TitleListBox &list, QPoint pos)
{
    QMouseEvent e(QEvent::MouseMove, pos, list.viewport()->mapToGlobal(pos), Qt::NoButton,
                  Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &e);
}

void pressAt(TitleListBox &list, QPoint pos)
{
    const QPoint global = list.viewport()->mapToGlobal(pos);
    QMouseEvent press(QEvent::MouseButtonPress, pos, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, pos, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &release);
}

void key(TitleListBox &list, int k)
{
    QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier);
    QApplication::sendEvent(&list, &e);
}

} // namespace

TEST(TitleListBox, HoverHintPrefixesAndFallbacks)
{
    struct Case {
        TitleVariant variant;
        QString initial;
        QString prefix;
        QString fallback;
    };
    const Case cases[] = {
        {TitleVariant::Editor, "Cliquez ici pour choisir une fiche",
         "Double-cliquez pour modifier le titre : ",
         "Cliquez sur la fiche que vous voulez modifier ou supprimer."},
        {TitleVariant::Learning, "Cliquez ici pour choisir une fiche", "",
         "Cliquez sur la fiche que vous voulez apprendre."},
        {TitleVariant::Test, "Cliquez ici pour choisir une fiche", "",
         "Cliquez sur la liste sur laquelle vous voulez vous tester."},
        {TitleVariant::Statistics, "Cliquez ici pour choisir un utilisateur",
         "Double-cliquez pour modifier les informations concernant l'utilisateur : ",
         "Cliquez sur l'utilisateur que vous voulez modifier ou supprimer."},
    };
    for (const Case &c : cases) {
        TitleListBox list(c.variant);
        list.addItems({"Verbes //CM1\\\\", "Animaux"});
        list.resize(300, 300);
        list.show();
        EXPECT_EQ(list.toolTip(), c.initial);
        // The whole title line, markers included.
        moveTo(list, list.visualItemRect(list.item(0)).center());
        EXPECT_EQ(list.toolTip(), c.prefix + "Verbes //CM1\\\\");
        moveTo(list, list.visualItemRect(list.item(1)).center());
        EXPECT_EQ(list.toolTip(), c.prefix + "Animaux");
        // Below the last entry.
        moveTo(list, QPoint(10, list.visualItemRect(list.item(1)).bottom() + 20));
        EXPECT_EQ(list.toolTip(), c.fallback);
    }
}

TEST(TitleListBox, ClickRunsOnUserSelectionOnly)
{
    TitleListBox list(TitleVariant::Learning);
    list.addItems({"a", "b", "c"});
    list.resize(200, 300);
    list.show();
    int clicks = 0;
    QObject::connect(&list, &TitleListBox::userClick, [&] { ++clicks; });

    // The program setting the selection runs nothing.
    list.setItemIndex(1);
    EXPECT_EQ(list.itemIndex(), 1);
    list.setItemIndex(-1);
    EXPECT_EQ(list.itemIndex(), -1);
    EXPECT_EQ(clicks, 0);

    pressAt(list, list.visualItemRect(list.item(2)).center());
    EXPECT_EQ(list.itemIndex(), 2);
    EXPECT_EQ(clicks, 1);
    // Clicking the chosen entry again is still a click.
    pressAt(list, list.visualItemRect(list.item(2)).center());
    EXPECT_EQ(clicks, 2);
    // Below the last entry: no click.
    pressAt(list, QPoint(10, list.visualItemRect(list.item(2)).bottom() + 30));
    EXPECT_EQ(clicks, 2);

    // Arrow keys choose as a click does (keyboard mode); none at the top.
    list.setFocus();
    key(list, Qt::Key_Up);
    EXPECT_EQ(list.itemIndex(), 1);
    EXPECT_EQ(clicks, 3);
    key(list, Qt::Key_Up);
    EXPECT_EQ(list.itemIndex(), 0);
    key(list, Qt::Key_Up);
    EXPECT_EQ(list.itemIndex(), 0);
    EXPECT_EQ(clicks, 4);
}

// Keyboard mode: a list with nothing chosen, wherever its caret stands (Qt
// puts it on the first entry when the list takes the focus).
TEST(TitleListBox, FirstArrowChoosesTheFirstOrLastEntry)
{
    const struct {
        int entries;
        int caret;
        int key;
        int chosen;
    } cases[] = {
        {1, 0, Qt::Key_Down, 0},  // a single user can be chosen
        {1, 0, Qt::Key_Up, 0},
        {3, 0, Qt::Key_Down, 0},  // not the second entry
        {3, 1, Qt::Key_Down, 0},  // an unseen caret counts for nothing
        {3, 2, Qt::Key_Home, 0},
        {3, -1, Qt::Key_Up, 0},   // no caret: the first entry
        {3, 0, Qt::Key_End, 2},
        {1, 0, Qt::Key_End, 0},
        {3, -1, Qt::Key_End, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.entries << " entries, caret " << c.caret << ", key " << c.key);
        TitleListBox list(TitleVariant::Statistics);
        for (int i = 0; i < c.entries; ++i)
            list.addItem(QStringLiteral("Société, Nom %1").arg(i));
        list.resize(200, 300);
        list.show();
        list.setCurrentRow(c.caret, QItemSelectionModel::NoUpdate);
        ASSERT_EQ(list.itemIndex(), -1);
        int clicks = 0;
        QObject::connect(&list, &TitleListBox::userClick, [&] { ++clicks; });
        list.setFocus();
        key(list, c.key);
        EXPECT_EQ(list.itemIndex(), c.chosen);
        EXPECT_EQ(clicks, 1);
        // Once chosen, the arrows move the choice as before.
        if (c.entries > 1 && c.chosen == 0) {
            key(list, Qt::Key_Down);
            EXPECT_EQ(list.itemIndex(), 1);
            EXPECT_EQ(clicks, 2);
        }
    }
}

TEST(TitleListBox, VeryLongTitleListsWithoutWait)
{
    TitleListBox list(TitleVariant::Editor);
    const QString title(5'000'000, u'x');
    list.addItem(title);
    list.resize(300, 200);
    list.show();
    list.repaint();
    EXPECT_EQ(list.item(0)->text().size(), title.size());
    moveTo(list, list.visualItemRect(list.item(0)).center());
    EXPECT_EQ(list.toolTip().size(), 40 + title.size());
}
