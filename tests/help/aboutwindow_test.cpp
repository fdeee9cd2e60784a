#include "app/mainwindow.h"
#include "app/settings.h"
#include "app/startupwindow.h"
#include "app/windowset.h"
#include "help/aboutwindow.h"
#include "help/licenceholder.h"
#include "help/licencewindow.h"
#include "platform/fileio.h"
#include "tests/support.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

using testing_support::crlf;

namespace {

class AboutWindow : public testing_support::QuietWindowSet {
protected:
    void loadSettings(const QByteArray &bytes)
    {
        sandbox.put(settings::kPath, bytes);
        Form1->Memo6.loadFromFile(settings::kPath);
    }

    // Line 1 of the settings list at each save of the settings file.
    void watchSaves(bool failing = false)
    {
        plat::setWriteFailureHook([this, failing](const QString &host) {
            if (host.endsWith(QLatin1String("tavilo.ini"))) {
                saves << Form1->Memo6.memoLine(settings::UserName);
                if (failing)
                    return QStringLiteral("disque plein");
            }
            return QString();
        });
    }

    static void type(QWidget *w, const QString &text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, int(c.toUpper().unicode()), Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
        }
    }

    QStringList saves;
};

} // namespace

TEST_F(AboutWindow, ActivationShowsNameAndCompanyWithoutRewritingThem)
{
    loadSettings(crlf({"01/02/2026 08:00:00", "Anonyme", "Soci\xe9t\xe9 Anonyme", "800", "No Mouse"}));
    watchSaves();
    sandbox.desktop().show(Form5);
    EXPECT_EQ(Form5->Edit1->text(), QStringLiteral("Anonyme"));
    EXPECT_EQ(Form5->Edit2->text(), QStringLiteral("Société Anonyme"));
    EXPECT_TRUE(saves.isEmpty()); // the same texts change nothing

    Form5->hide();
    sandbox.desktop().formActivated(nullptr);
    loadSettings(crlf({"x", "Marie Curie", "", "800"}));
    sandbox.desktop().show(Form5);
    EXPECT_EQ(Form5->Edit1->text(), QStringLiteral("Marie Curie"));
    EXPECT_EQ(Form5->Edit2->text(), QString());
    EXPECT_EQ(saves.size(), 2); // each changed field writes its text back
    EXPECT_EQ(sandbox.get(settings::kPath), crlf({"x", "Marie Curie", "", "800"}));
}

TEST_F(AboutWindow, EveryKeystrokeSavesTheWholeField)
{
    loadSettings(crlf({"d", "Anonyme", "Soci\xe9t\xe9 Anonyme", "800", "No Mouse"}));
    sandbox.desktop().show(Form5);
    watchSaves();

    Form5->Edit1->clear();
    type(Form5->Edit1, QStringLiteral("Hélène"));

    EXPECT_EQ(saves, (QStringList{"", "H", "Hé", "Hél", "Hélè", "Hélèn", "Hélène"}));
    EXPECT_EQ(sandbox.get(settings::kPath),
              crlf({"d", "H\xe9l\xe8ne", "Soci\xe9t\xe9 Anonyme", "800", "No Mouse"}));

    Form5->Edit2->clear();
    EXPECT_EQ(sandbox.get(settings::kPath), crlf({"d", "H\xe9l\xe8ne", "", "800", "No Mouse"}));
    EXPECT_TRUE(sandbox.desktop().messages().isEmpty());
}

TEST_F(AboutWindow, FailedSaveIsReportedAtEachChangeAndKeptInMemory)
{
    loadSettings(crlf({"d", "Anonyme", "Soci\xe9t\xe9 Anonyme", "800"}));
    sandbox.desktop().show(Form5);
    watchSaves(true);
    type(Form5->Edit2, QStringLiteral("!?"));

    EXPECT_EQ(sandbox.desktop().messages(), QStringList(2, settings::kSaveFailed));
    EXPECT_EQ(Form5->Edit2->text(), QStringLiteral("Société Anonyme!?"));
    EXPECT_EQ(Form1->Memo6.memoLine(settings::Company), QStringLiteral("Société Anonyme!?"));
    EXPECT_EQ(sandbox.get(settings::kPath), crlf({"d", "Anonyme", "Soci\xe9t\xe9 Anonyme", "800"}));
}

TEST_F(AboutWindow, OnlyTheFirstRunMarkRearmsTheStartupWindow)
{
    struct Case {
        QString mark;
        bool closeBox; // closed by the title bar instead of "Quitter"
        bool rearms;
        QString markAfter;
    };
    const Case cases[] = {
        {QStringLiteral("5"), false, true, QStringLiteral("4846")},
        {QStringLiteral("5"), true, true, QStringLiteral("4846")},
        {QStringLiteral("4846"), false, false, QStringLiteral("4846")},
        {QStringLiteral("premier"), false, false, QStringLiteral("premier")},
        {QStringLiteral(" 5"), false, false, QStringLiteral(" 5")},
        {QStringLiteral("premier"), true, false, QStringLiteral("premier")},
    };
    loadSettings(crlf({"d", "Anonyme", "Soci\xe9t\xe9 Anonyme", "800"}));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.mark.toStdString() + (c.closeBox ? " (close box)" : ""));
        Form7->Timer1->stop();
        Form7->Timer2->stop();
        Form5->premier = c.mark;
        sandbox.desktop().show(Form5);
        if (c.closeBox)
            Form5->close();
        else
            Form5->QuitterClick();
        EXPECT_FALSE(Form5->isVisible());
        EXPECT_EQ(Form7->Timer1->isActive(), c.rearms);
        EXPECT_EQ(Form7->Timer2->isActive(), c.rearms);
        EXPECT_EQ(Form5->premier, c.markAfter);
    }
    // A second "Quitter" after the first run re-arms nothing.
    Form7->Timer1->stop();
    Form7->Timer2->stop();
    sandbox.desktop().show(Form5);
    Form5->QuitterClick();
    EXPECT_FALSE(Form7->Timer2->isActive());
}

// "Quitter" is the default button of both windows: Enter typed after the
// name ends the first run, and Enter closes the licence.
TEST_F(AboutWindow, EnterPressesQuitter)
{
    loadSettings(crlf({"d", "Anonyme", "Soci\xe9t\xe9 Anonyme", "800"}));
    Form5->premier = QStringLiteral("5");
    sandbox.desktop().show(Form5);
    Form5->Edit1->setFocus();
    type(Form5->Edit1, QStringLiteral("a"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(Form5->Edit1, &enter);
    EXPECT_FALSE(Form5->isVisible());
    EXPECT_EQ(Form5->premier, QStringLiteral("4846"));
    EXPECT_TRUE(Form7->Timer2->isActive());
    EXPECT_EQ(Form1->Memo6.memoLine(settings::UserName), QStringLiteral("Anonymea"));

    Form10->show();
    QKeyEvent enterLicence(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier);
    QApplication::sendEvent(Form10->Memo2, &enterLicence);
    EXPECT_FALSE(Form10->isVisible());
}

TEST_F(AboutWindow, LicenceWindowShowsTheHeldTextAtEachOpening)
{
    loadSettings(crlf({"d", "Anonyme", "Soci\xe9t\xe9 Anonyme", "800"}));
    sandbox.desktop().show(Form5);
    const QString text = Form8->Memo2.lines().join(QLatin1Char('\n'));
    ASSERT_GE(Form8->Memo2.lines().count(QString()), 4); // several paragraphs

    for (int opening = 0; opening < 2; ++opening) {
        sandbox.desktop().modalActions.push_back([&](plat::Form *form) {
            EXPECT_EQ(form, Form10);
            EXPECT_EQ(Form10->Memo2->toPlainText(), text);
            EXPECT_TRUE(Form10->Memo2->isReadOnly());
            Form10->Memo2->setPlainText(QStringLiteral("abîmé"));
            Form10->BitBtn1Click();
            return int(plat::mrNone);
        });
        Form5->BitBtn1Click();
    }
    EXPECT_EQ(sandbox.desktop().count(QStringLiteral("modal")), 2);
}

// A name or company far beyond an entry field's usual limit is shown whole,
// so showing it writes back exactly what the file holds, and a keystroke adds
// to the whole text.
TEST_F(AboutWindow, LongNamesAreKeptWhole)
{
    QByteArray name;
    for (int i = 0; i < 40000; ++i)
        name += char('a' + i % 26);
    const QByteArray company = QByteArray(70000, 'S');
    const QByteArray file = crlf({"d", name.constData(), company.constData(), "800", "Mouse"});
    loadSettings(file);
    watchSaves();

    sandbox.desktop().show(Form5);
    EXPECT_EQ(Form5->Edit1->text().size(), 40000);
    EXPECT_EQ(Form5->Edit2->text().size(), 70000);
    EXPECT_EQ(sandbox.get(settings::kPath), file);

    Form5->Edit1->end(false);
    type(Form5->Edit1, QStringLiteral("!"));
    EXPECT_EQ(sandbox.get(settings::kPath),
              crlf({"d", (name + "!").constData(), company.constData(), "800", "Mouse"}));
}
