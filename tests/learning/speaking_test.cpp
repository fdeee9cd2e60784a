#include "app/mainwindow.h"
#include "app/settings.h"
#include "learning/fullscreenwindow.h"
#include "learning/learningwindow.h"
#include "learning/pronunciation.h"
#include "learning/speakingrules.h"
#include "platform/fileio.h"
#include "tests/support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using testing_support::crlf;

namespace {

QStringList said(const QList<plat::Utterance> &list)
{
    QStringList out;
    for (const plat::Utterance &u : list)
        out.append(u.text + QLatin1Char('/') + u.locale.name());
    return out;
}

TEST(Speaking, ChoicesFileKeepsWhatItDoesNotKnowAndPathsWithEquals)
{
    learning::VoiceChoices c = learning::VoiceChoices::parse(
        {"autre ligne", "C:\\a=b.fic=de", "prononcer=1", "C:\\x.fic=xx", "C:\\y.fic=ru"});
    EXPECT_TRUE(c.speakEachForeignTerm());
    EXPECT_EQ(c.languageOf("C:\\a=b.fic")->code, "de");
    EXPECT_EQ(c.languageOf("C:\\x.fic"), nullptr); // a code it does not know
    EXPECT_EQ(c.languageOf("C:\\a"), nullptr);
    c.setLanguageOf("C:\\a=b.fic", "it");
    c.setLanguageOf("C:\\y.fic", QString());
    c.setSpeakEachForeignTerm(false);
    EXPECT_EQ(c.lines(), (QStringList{"prononcer=0", "autre ligne", "C:\\x.fic=xx", "C:\\a=b.fic=it"}));
    EXPECT_FALSE(learning::VoiceChoices::parse({}).speakEachForeignTerm());
}

const QByteArray kSettingsFile = crlf({"date", "Marie", "Lac", "800", "Mouse", "1", "3", "20", "clBlack"});
const QString kEnglish = QStringLiteral("C:\\fiches\\animaux.fic");
const QByteArray kAnimals = crlf({"Anglais - Les animaux //Marie\\\\", "the dog", "le chien", "the cat", "le chat"});
const QString kUntitled = QStringLiteral("C:\\fiches\\divers.fic");
const QByteArray kMisc = crlf({"Divers", "hallo", "bonjour"});

class LearningSpeech : public testing_support::QuietWindowSet {
protected:
    void SetUp() override
    {
        QuietWindowSet::SetUp();
        sandbox.put(settings::kPath, kSettingsFile);
        Form1->Memo6.loadFromFile(settings::kPath);
        for (const auto &[path, bytes] : {std::pair{kEnglish, kAnimals}, std::pair{kUntitled, kMisc}}) {
            sandbox.put(path, bytes);
            Form1->ListBox1.append(path);
            Form3->ListBox1->addItem(plat::LineList(plat::LineList::parse(bytes)).memoLine(0));
        }
    }
    void choose(int i, const QString &direction = learning::kFrenchFirst)
    {
        Form3->ComboBox1->setCurrentText(direction);
        Form3->ListBox1->setItemIndex(i);
        Form3->ListBox1Click();
    }
    QStringList spoken() { return said(sandbox.speech().said()); }
    // Messages come after the event that caused them, never inside a tick.
    QStringList messagesAfterEvents()
    {
        QCoreApplication::processEvents();
        return sandbox.desktop().messages();
    }
};

// With the check box ticked, a whole run speaks each foreign term once, as
// it comes up, in the language the sheet's title names; the settings file is
// left as it was, the choice going to the program's own file.
TEST_F(LearningSpeech, EachForeignTermIsSpokenAsItComesUpInBothDirections)
{
    Form3->voice->PrononcerChaque->click();
    EXPECT_EQ(sandbox.speech().prepared, 1); // the engine comes up before the first term
    EXPECT_EQ(sandbox.get(learning::kVoiceChoicesPath), crlf({"prononcer=1"}));
    for (const QString &direction : {learning::kFrenchFirst, learning::kForeignFirst}) {
        SCOPED_TRACE(direction.toStdString());
        sandbox.speech().requests.clear();
        choose(0, direction);
        EXPECT_EQ(Form3->voice->Langue->currentText(), "Anglais");
        Form3->BitBtn1Click();
        QStringList foreignShown;
        for (int pair = 0; pair < 2; ++pair) {
            Form3->Timer1Timer();
            const QString foreign = direction == learning::kFrenchFirst ? Form3->Label10->text()
                                                                        : Form3->Label12->text();
            foreignShown.append(foreign + QStringLiteral("/en_GB"));
            EXPECT_EQ(spoken().size(), direction == learning::kFrenchFirst ? pair : pair + 1);
            Form3->timer();
            EXPECT_EQ(spoken(), foreignShown);
        }
        Form3->Timer1Timer();
        EXPECT_FALSE(Form3->running());
        EXPECT_EQ(spoken(), foreignShown);
    }
    EXPECT_EQ(sandbox.get(settings::kPath), kSettingsFile);
    EXPECT_TRUE(messagesAfterEvents().isEmpty());
    Form3->voice->PrononcerChaque->click();
    EXPECT_EQ(sandbox.get(learning::kVoiceChoicesPath), crlf({"prononcer=0"}));
}

// "Prononcer" (and its twin on the full screen) speaks the card as far as it
// is shown; it has nothing to say once the learning stops.
TEST_F(LearningSpeech, PronounceSpeaksTheCardAsShown)
{
    choose(0);
    EXPECT_FALSE(Form3->voice->Prononcer->isEnabled());
    Form3->BitBtn1Click();
    Form3->Timer1Timer();
    const QString french = Form3->Label12->text();
    const QString foreign = Form3->Label10->text();
    EXPECT_TRUE(spoken().isEmpty()); // the check box is not ticked
    Form3->voice->Prononcer->click();
    EXPECT_EQ(spoken(), QStringList{french + "/fr_FR"});
    Form3->timer();
    pleinec->Prononcer->click();
    EXPECT_EQ(sandbox.speech().requests.back().size(), 2);
    EXPECT_EQ(said(sandbox.speech().requests.back()), (QStringList{french + "/fr_FR", foreign + "/en_GB"}));

    Form3->BitBtn6Click(); // a pause silences what is being said
    EXPECT_EQ(sandbox.speech().stopped, 1);
    EXPECT_TRUE(Form3->voice->Prononcer->isEnabled());
    Form3->BitBtn7Click();
    EXPECT_FALSE(Form3->voice->Prononcer->isEnabled());
    const size_t requests = sandbox.speech().requests.size();
    pleinec->Prononcer->click();
    EXPECT_EQ(sandbox.speech().requests.size(), requests);
    EXPECT_TRUE(messagesAfterEvents().isEmpty());
}

// A sheet whose title names no language: asking to hear it asks for the
// language; the language chosen is remembered for that sheet alone.
TEST_F(LearningSpeech, UnknownLanguageIsAskedForAndRememberedPerSheet)
{
    choose(1, learning::kForeignFirst);
    EXPECT_EQ(Form3->voice->Langue->currentText(), learning::kUnknownLanguage);
    Form3->BitBtn1Click();
    Form3->Timer1Timer();
    Form3->voice->Prononcer->click();
    EXPECT_TRUE(spoken().isEmpty());
    EXPECT_EQ(sandbox.desktop().messages(), QStringList{learning::kAskLanguage});

    const int german = Form3->voice->Langue->findText(QStringLiteral("Allemand"));
    Form3->voice->Langue->setCurrentIndex(german);
    emit Form3->voice->Langue->activated(german);
    Form3->voice->Prononcer->click();
    EXPECT_EQ(spoken(), QStringList{"hallo/de_DE"});
    EXPECT_EQ(sandbox.get(learning::kVoiceChoicesPath), crlf({"prononcer=0", "C:\\fiches\\divers.fic=de"}));

    choose(0);
    EXPECT_EQ(Form3->voice->Langue->currentText(), "Anglais");
    choose(1);
    EXPECT_EQ(Form3->voice->Langue->currentText(), "Allemand");
    EXPECT_EQ(sandbox.desktop().messages().size(), 1);
}

// Without an engine the user is told once, after the tick, with the package
// to install, and the learning goes on at its pace.
TEST_F(LearningSpeech, MissingEngineIsToldOnceAndTheRunGoesOn)
{
    sandbox.speech().noEngine = true;
    Form3->voice->PrononcerChaque->click();
    choose(0, learning::kForeignFirst);
    Form3->BitBtn1Click();
    Form3->Timer1Timer();
    EXPECT_TRUE(sandbox.desktop().messages().isEmpty()); // nothing from inside the tick
    EXPECT_TRUE(Form3->Timer1->isActive());
    Form3->voice->Prononcer->click();
    Form3->Timer1Timer();
    const QStringList messages = messagesAfterEvents();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], plat::noEngineMessage());
    EXPECT_TRUE(messages[0].contains("speech-dispatcher-espeak-ng"));
    EXPECT_TRUE(Form3->running());

    // A language without a voice is told once too.
    sandbox.speech().noEngine = false;
    sandbox.speech().voiceless = {QStringLiteral("en")};
    Form3->voice->Prononcer->click();
    Form3->voice->Prononcer->click();
    EXPECT_EQ(messagesAfterEvents(), (QStringList{plat::noEngineMessage(), plat::noVoiceMessage("Anglais")}));
}

QList<QWidget *> focusChain(QWidget *window)
{
    QList<QWidget *> chain;
    for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        chain.append(w);
    return chain;
}

// The new controls come after every control the windows had.
TEST_F(LearningSpeech, NewControlsComeLastInTheTabOrder)
{
    const QList<QWidget *> chain = focusChain(Form3);
    for (QWidget *old : std::initializer_list<QWidget *>{Form3->ComboBox1, Form3->BitBtn8, Form3->ListBox1,
                                                          Form3->BitBtn2})
        for (QWidget *w : std::initializer_list<QWidget *>{Form3->voice->Prononcer, Form3->voice->PrononcerChaque,
                                                           Form3->voice->Langue})
            EXPECT_LT(chain.indexOf(old), chain.indexOf(w)) << w->objectName().toStdString();
    const QList<QWidget *> fullScreen = focusChain(pleinec);
    EXPECT_LT(fullScreen.indexOf(pleinec->BitBtn2), fullScreen.indexOf(pleinec->Prononcer));
}

} // namespace
