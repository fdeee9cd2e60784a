#include "app/mainwindow.h"
#include "editor/editorwindow.h"
#include "learning/learningwindow.h"
#include "platform/listbox.h"
#include "processing/mixerwindow.h"
#include "statistics/completionwindow.h"
#include "statistics/statisticswindow.h"
#include "testing/testwindow.h"
#include "tests/support.h"

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include <functional>

using testing_support::crlf;

namespace {

class KeyboardLists : public testing_support::QuietWindowSet {
protected:
    // n catalogued sheets, listed in every title list, and n users.
    void fill(int n)
    {
        Form1->ListBox1.clear();
        Form2->ListBox1->clear();
        QStringList users;
        for (int k = 0; k < n; ++k) {
            const QString sheet = QStringLiteral("C:\\fiches\\f%1.fic").arg(k);
            const QByteArray title = "Fiche " + QByteArray::number(k);
            sandbox.put(sheet, crlf({title.constData(), "cat", "chat"}));
            Form1->ListBox1.append(sheet);
            Form2->ListBox1->addItem(QString::fromLatin1(title));
            const QString user = QStringLiteral("C:\\users\\u%1.user").arg(k);
            const QByteArray name = "Nom " + QByteArray::number(k);
            sandbox.put(user, crlf({"Fiche de Statistiques Utilisateur :", name.constData(), "Lac", "", ""}));
            users.append(user);
        }
        Form2->copyTitleLists();
        Form4->FormActivate(); // its keyboard list copies the title list
        For2->Memo3.setLines(users);
        For2->Memo3Change();
        For13->FormActivate();
        Form16->FormActivate();
    }
};

void press(QWidget *w, int key)
{
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

// In every list a keyboard user chooses from, with nothing chosen yet, the
// first Down, Up or Home chooses the first entry and End the last, one entry
// or several, wherever Qt left its caret; the choice is the list's click
// (the completion list records only on Enter or Space).
TEST_F(KeyboardLists, FirstArrowChoosesTheFirstOrLastEntry)
{
    const struct {
        const char *name;
        std::function<plat::ListBox *()> list;
        bool clicks;
    } lists[] = {
        {"test, keyboard mode", [] { return Form4->ListBox9; }, true},
        {"test", [] { return Form4->ListBox1; }, true},
        {"learning", [] { return Form3->ListBox1; }, true},
        {"editor", [] { return Form2->ListBox1; }, true},
        {"statistics", [] { return For2->ListBox1; }, true},
        {"completion", [] { return For13->ListBox1; }, false},
        {"mixer", [] { return Form16->ListBox1; }, true},
    };
    const int keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End};
    for (const int entries : {1, 3}) {
        fill(entries);
        for (const auto &l : lists) {
            for (const int key : keys) {
                for (const int caret : {-1, 0}) {
                    SCOPED_TRACE(testing::Message() << l.name << ", " << entries << " entries, key " << key
                                                    << ", caret " << caret);
                    plat::ListBox *list = l.list();
                    ASSERT_EQ(list->count(), entries);
                    list->setItemIndex(-1);
                    list->setCurrentRow(caret, QItemSelectionModel::NoUpdate);
                    int clicks = 0;
                    const QMetaObject::Connection counting =
                        QObject::connect(list, &plat::ListBox::userClick, [&] { ++clicks; });
                    press(list, key);
                    QObject::disconnect(counting);
                    EXPECT_EQ(list->itemIndex(), key == Qt::Key_End ? entries - 1 : 0);
                    EXPECT_EQ(clicks, l.clicks ? 1 : 0);
                }
            }
        }
    }
}

// Keyboard mode, a catalogue of one sheet: Down then Enter chooses it.
TEST_F(KeyboardLists, TheOnlySheetIsChosenWithDownThenEnter)
{
    fill(1);
    Form1->RadioButton6Click();
    Form1->RadioButton3Click();
    press(Form4->ListBox9, Qt::Key_Down);
    press(Form4->ListBox9, Qt::Key_Return);
    EXPECT_TRUE(sandbox.desktop().messages().isEmpty()) << sandbox.desktop().messages().join('\n').toStdString();
    EXPECT_EQ(Form4->phase(), quiz::Phase::Ready);
    EXPECT_EQ(Form4->titleDisplay->memo2Line(), QStringLiteral("Fiche 0"));
    EXPECT_EQ(Form4->lists.count(), 1);
}
