#include "app/mainwindow.h"
#include "learning/pronunciation.h"
#include "testing/questionvoice.h"
#include "testing/testsettingswindow.h"
#include "testing/testwindow.h"
#include "tests/support.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using testing_support::crlf;

namespace {

const QString kSheet = QStringLiteral("C:\\fiches\\vocabulaire.fic");

class ListenToTheQuestion : public testing_support::QuietWindowSet {
protected:
    void SetUp() override
    {
        QuietWindowSet::SetUp();
        const QString settings = QStringLiteral("C:\\windows\\tavilo.ini");
        sandbox.put(settings, crlf({"d", "n", "c", "800", "Mouse", "1", "3", "20"}));
        Form1->Memo6.loadFromFile(settings);
        const QByteArray bytes = crlf({"Vocabulaire d'allemand", "der Hund [m.]", "le chien"});
        sandbox.put(kSheet, bytes);
        Form1->ListBox1.append(kSheet);
        Form4->ListBox1->addItem(QStringLiteral("Vocabulaire d'allemand"));
    }
    void startTest(const QString &shown)
    {
        Form12->ComboBox1->setCurrentText(shown);
        Form1->RadioButton3Click();
        Form4->ListBox1->setItemIndex(0);
        Form4->ListBox1Click();
        Form4->BitBtn1Click();
        Form4->Timer1Timer(); // the priming tick shows the question
    }
    static bool shown(const QWidget *w) { return !w->isHidden(); }
};

// "Écouter la question" is there while the questions are foreign terms, and
// says the question without its note in the sheet's language; with French
// questions, or once the test is over, it is not there.
TEST_F(ListenToTheQuestion, OnlyForForeignQuestionsInTheSheetsLanguage)
{
    QuestionVoice *voice = Form4->voice;
    EXPECT_FALSE(shown(voice->row));
    startTest(QStringLiteral("Terme étranger"));
    EXPECT_TRUE(shown(voice->row));
    EXPECT_EQ(voice->Langue->currentText(), "Allemand");
    ASSERT_TRUE(shown(voice->Ecouter));
    EXPECT_EQ(Form4->Label12->text(), "der Hund [m.]");
    // Reached with the keyboard and pressed, the button gives the focus back
    // to the answer field: what is typed next is the answer.
    voice->Ecouter->setFocus();
    voice->Ecouter->click();
    EXPECT_EQ(Form4->focusWidget(), Form4->Edit5);
    const QList<plat::Utterance> said = sandbox.speech().said();
    ASSERT_EQ(said.size(), 1);
    EXPECT_EQ(said[0].text, "der Hund");
    EXPECT_EQ(said[0].locale.name(), "de_DE");

    Form4->Timer1Timer(); // no question left: the test ends
    EXPECT_FALSE(shown(voice->Ecouter));

    startTest(QStringLiteral("Terme français"));
    EXPECT_FALSE(shown(voice->Ecouter));
    Form4->FormClose();
    EXPECT_FALSE(shown(voice->row));
    QCoreApplication::processEvents();
    EXPECT_TRUE(sandbox.desktop().messages().isEmpty());
}

} // namespace
