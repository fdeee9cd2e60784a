#include "app/mainwindow.h"
#include "platform/drivepath.h"
#include "platform/fileio.h"
#include "statistics/completionwindow.h"
#include "statistics/newuserdialog.h"
#include "statistics/statisticswindow.h"
#include "statistics/successgraph.h"
#include "testing/testwindow.h"
#include "tests/support.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

using testing_support::crlf;

namespace {

const QString kUsers = QStringLiteral("C:\\windows\\TLusers.ini");
const QString kNotRecorded = QStringLiteral("Erreur : Les statistiques n'ont pas pu être enregistrées.");
const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kBlack(0, 0, 0);

QByteArray header(const char *name, const char *company)
{
    return crlf({"Fiche de Statistiques Utilisateur :", name, company, "", ""});
}

// Records whose percentage lines hold the texts given.
QByteArray records(const QStringList &percentages)
{
    QByteArray out;
    int n = 0;
    for (const QString &p : percentages) {
        const QByteArray number = QByteArray::number(++n);
        const QByteArray percentage = p.toLatin1();
        out += crlf({"-----", ("Test " + number).constData(), "Date :", "01/12/2026", "Heure :", "09:00:00",
                     "Fiche :", "Verbes", "Termes :", "3", "Pourcentage juste :", percentage.constData(),
                     "Temps (sec) :", "30", "", ""});
    }
    return out;
}

class Statistics : public testing_support::QuietWindowSet {
protected:
    QString user(const QString &name, const QByteArray &bytes)
    {
        const QString path = QStringLiteral("C:\\users\\") + name + QStringLiteral(".user");
        sandbox.put(path, bytes);
        return path;
    }
    void listUsers(const QStringList &paths)
    {
        For2->Memo3.setLines(paths);
        For2->Memo3Change();
    }
    void choose(int i)
    {
        For2->ListBox1->setItemIndex(i);
        For2->ListBox1Click();
    }
    // The test the test window hands over at the end of a test.
    void endTest(const char *right, const char *wrong, const char *seconds, const QString &title)
    {
        For13->test = {QString::fromLatin1(right), QString::fromLatin1(wrong), QString::fromLatin1(seconds), title,
                       {}};
    }
    // Shows the completion window and clicks entry i of its list.
    int record(int i)
    {
        sandbox.desktop().modalActions.push_back([i](plat::Form *) {
            For13->ListBox1->setItemIndex(i);
            For13->ListBox1Click();
            return For13->result();
        });
        return plat::desktop().showModal(For13);
    }
    QColor pixel(int x, int y) const { return For2->Image5->pixmap().toImage().pixelColor(x, y); }
    // The green pixels of graph column x, counted from the bottom; -1 when the
    // column is not a red-over-green column.
    int greenHeight(const QImage &graph, int x) const
    {
        int green = 0;
        while (green < graph.height() && graph.pixelColor(x, graph.height() - 1 - green) == kGreen)
            ++green;
        for (int y = 0; y < graph.height() - green; ++y) {
            if (graph.pixelColor(x, y) != kRed)
                return -1;
        }
        return green;
    }
};

} // namespace

TEST_F(Statistics, NewUserThenTestsAppendedByteForByte)
{
    const QString path = sandbox.root() + QStringLiteral("/marie.user");
    sandbox.desktop().fileAnswers.push_back(path);
    sandbox.desktop().modalActions.push_back([](plat::Form *) {
        For9b->Edit1->setText(QStringLiteral("Marie Lac"));
        For9b->Edit2->setText(QStringLiteral("Orsiva"));
        For9b->BitBtn1->click();
        return For9b->result();
    });
    For2->Crerunenouvellefiche1Click();
    EXPECT_EQ(sandbox.desktop().messages(),
              QStringList({"Choisissez le nom du fichier dans lequel seront stockées les statistiques utilisateur."}));
    QByteArray expected = header("Marie Lac", "Orsiva");
    EXPECT_EQ(sandbox.get(path), expected);
    EXPECT_EQ(sandbox.get(kUsers), (path + "\r\n").toUtf8());
    EXPECT_EQ(sheets::listLines(For2->ListBox1), QStringList({"Orsiva, Marie Lac"}));

    // Each row is one test, recorded in turn; "edit" replaces the last Test
    // line of the file by hand before the test is recorded.
    const struct {
        const char *right, *wrong, *seconds;
        const char *edit;
        const char *testLine, *terms, *percentage;
    } tests[] = {
        {"7", "3", "95", nullptr, "Test 1", "10", "70"},
        {"1", "2", "40", nullptr, "Test 2", "3", "33,333"},
        {"1", "6", "61", "Test deux", "Test 1", "7", "14,285"},
    };
    const QString title = QStringLiteral("Verbes //CM1\\\\");
    int second = 15;
    for (const auto &t : tests) {
        if (t.edit) {
            expected.replace(QByteArray("Test 2\r\n"), QByteArray(t.edit) + "\r\n");
            sandbox.put(path, expected);
        }
        sandbox.system().setNow(QDateTime(QDate(2026, 12, 8), QTime(10, 30, second)));
        endTest(t.right, t.wrong, t.seconds, title);
        EXPECT_EQ(record(0), plat::mrOk);
        const QByteArray time = QByteArray("10:30:") + QByteArray::number(second);
        expected += crlf({"-----", t.testLine, "Date :", "08/12/2026", "Heure :", time.constData(), "Fiche :",
                          "Verbes //CM1\\\\", "Termes :", t.terms, "Pourcentage juste :", t.percentage,
                          "Temps (sec) :", t.seconds, "", ""});
        EXPECT_EQ(sandbox.get(path), expected) << t.testLine;
        if (!t.edit && QByteArray(t.testLine) == "Test 2") {
            const QStringList lines = plat::LineList::parse(expected);
            EXPECT_EQ(lines.at(22), "Test 2");
            EXPECT_EQ(lines.at(32), "33,333");
        }
        second += 10;
    }
    // The statistics window shows the user the test was recorded for.
    EXPECT_EQ(For2->titleDisplay->memo2Line(), "Utilisateur : Orsiva, Marie Lac");
    EXPECT_EQ(For2->memo1().toBytes(), expected);
    EXPECT_TRUE(sandbox.desktop().messages().size() == 1);
}

TEST_F(Statistics, RecordingThatCannotBeDoneWritesNothing)
{
    const QByteArray bytes = header("Marie", "Lac") + records({"50"});
    const QString marie = user("marie", bytes);
    const QString paul = user("paul", header("Paul", "Lac"));
    listUsers({marie, paul});

    const struct {
        const char *what;
        const char *right, *wrong;
        int click;
        bool removeFile;
        bool quit;
        bool failWrite = false;
    } cases[] = {
        {"no question answered", "1", "-1", 0, false, false},
        {"file gone since the list was read", "3", "1", 1, true, false},
        {"entry beyond the statistics window's list", "3", "1", 2, false, false},
        {"Quitter cette fenêtre", "3", "1", -1, false, true},
        {"the file cannot be written", "3", "1", 0, false, false, true},
    };
    for (const auto &c : cases) {
        sandbox.desktop().records.clear();
        endTest(c.right, c.wrong, "12", QStringLiteral("Verbes"));
        if (c.removeFile)
            QFile::remove(plat::hostPath(paul));
        if (c.failWrite)
            plat::setWriteFailureHook([](const QString &) { return QStringLiteral("disque plein"); });
        sandbox.desktop().modalActions.push_back([&c](plat::Form *) {
            EXPECT_EQ(sheets::listLines(For13->ListBox1), sheets::listLines(For2->ListBox1));
            if (c.quit) {
                For13->Quitter->click();
            } else {
                // The list of the window may be longer than the statistics
                // window's since it was copied.
                For13->ListBox1->addItem(QStringLiteral("Autre, Personne"));
                For13->ListBox1->setItemIndex(c.click);
                For13->ListBox1Click();
            }
            return For13->result();
        });
        plat::desktop().showModal(For13);
        plat::setWriteFailureHook({});
        EXPECT_EQ(sandbox.desktop().messages(), c.quit ? QStringList() : QStringList({kNotRecorded})) << c.what;
        EXPECT_EQ(sandbox.get(marie), bytes) << c.what;
        if (c.failWrite) {
            // The window shows the file as it is, without the record.
            EXPECT_EQ(For2->memo1().toBytes(), bytes);
            EXPECT_EQ(For2->Memo1->toPlainText(), QString::fromLatin1(bytes).replace("\r\n", "\n").chopped(1));
        }
        if (c.removeFile) {
            EXPECT_FALSE(sandbox.exists(paul)) << c.what;
        }
    }
}

TEST_F(Statistics, GraphPixelsAndAverage)
{
    const QString two = user("deux", header("Marie", "Lac") + records({"100", "66,666"}));
    const QString none = user("rien", header("Paul", "Lac"));
    const QString junk = user("junk", header("Luc", "Lac") + records({"80", "20", "vingt", "90"}));
    listUsers({two, none, junk});

    choose(0);
    EXPECT_EQ(For2->Image5->size(), QSize(505, 100));
    const QImage graph = For2->Image5->pixmap().toImage();
    ASSERT_EQ(graph.size(), QSize(505, 100));
    EXPECT_EQ(greenHeight(graph, 0), 100);
    EXPECT_EQ(greenHeight(graph, 1), 100);
    EXPECT_EQ(greenHeight(graph, 2), 66);
    EXPECT_EQ(greenHeight(graph, 3), 66);
    for (int x : {4, 100, 504})
        EXPECT_EQ(graph.pixelColor(x, 50), kBlack) << x;
    EXPECT_EQ(For2->Image5->toolTip(), "Moyenne de réussite : 83,333");
    EXPECT_EQ(For2->memo1Height(), TFor2::kMemoHeightWithGraph);
    EXPECT_TRUE(For2->Image5->isVisibleTo(For2));
    EXPECT_EQ(For2->Label6, two);

    // No record: a black graph without hint; the text keeps its height.
    choose(1);
    EXPECT_EQ(pixel(0, 99), kBlack);
    EXPECT_EQ(For2->Image5->toolTip(), QString());
    EXPECT_FALSE(For2->Image5HintEnabled);
    EXPECT_EQ(For2->memo1Height(), TFor2::kMemoHeightWithGraph);

    // The graph ends at the junk where a percentage belongs.
    choose(2);
    EXPECT_EQ(greenHeight(For2->Image5->pixmap().toImage(), 2), 20);
    EXPECT_EQ(pixel(4, 50), kBlack);
    EXPECT_EQ(For2->Image5->toolTip(), "Moyenne de réussite : 50");

    // A file that can no longer be read: the banner names the user chosen,
    // so neither the text nor the graph of the user before may stay.
    QFile::remove(plat::hostPath(two));
    choose(0);
    EXPECT_EQ(For2->Label6, two);
    EXPECT_EQ(For2->titleDisplay->memo2Line(), "Utilisateur : Lac, Marie");
    EXPECT_TRUE(For2->Memo1->toPlainText().isEmpty());
    EXPECT_EQ(For2->memo1Height(), TFor2::kMemoHeight);
    EXPECT_EQ(pixel(0, 99), kBlack);
    EXPECT_FALSE(For2->Image5HintEnabled);
}

TEST_F(Statistics, GraphShowsTheLatestTestsAndAveragesThemAll)
{
    // The first `right` tests score 100, the later ones 0.
    const struct {
        int tests, right;
        int firstGreen; // green height of the graph's first column
        int firstZero;  // the first column of a test that scored 0
        const char *average;
    } cases[] = {
        {250, 200, 100, 400, "Moyenne de réussite : 80"},
        {300, 252, 100, 408, "Moyenne de réussite : 84"}, // tests 48 to 299 shown
        {253, 1, 0, 0, "Moyenne de réussite : 0,395256916996047"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.tests);
        QStringList percentages;
        for (int k = 0; k < c.tests; ++k)
            percentages.append(k < c.right ? "100" : "0");
        listUsers({user("beaucoup", header("Marie", "Lac") + records(percentages))});
        choose(0);
        const QImage graph = For2->Image5->pixmap().toImage();
        EXPECT_EQ(greenHeight(graph, 0), c.firstGreen);
        if (c.firstZero > 0) {
            EXPECT_EQ(greenHeight(graph, c.firstZero - 1), 100);
        }
        EXPECT_EQ(greenHeight(graph, c.firstZero), 0);
        const int columns = 2 * std::min(c.tests, 252);
        EXPECT_EQ(greenHeight(graph, columns - 1), 0); // the latest test
        if (columns < graph.width()) {
            EXPECT_EQ(graph.pixelColor(columns, 50), kBlack);
        }
        EXPECT_EQ(For2->Image5->toolTip(), c.average);
    }
}

TEST(SuccessGraph, ColumnHeights)
{
    const QList<double> values = {-5, 0, 0.9, 33.999, 99.99, 100, 150};
    const QImage graph = statistics::drawSuccessGraph(values);
    const int expected[] = {0, 0, 0, 33, 99, 100, 100};
    for (int j = 0; j < values.size(); ++j) {
        for (int x : {2 * j, 2 * j + 1}) {
            int green = 0;
            for (int y = 0; y < 100; ++y)
                green += graph.pixelColor(x, y) == kGreen;
            EXPECT_EQ(green, expected[j]) << values[j];
            EXPECT_EQ(graph.pixelColor(x, 0), expected[j] == 100 ? kGreen : kRed) << values[j];
            EXPECT_EQ(graph.pixelColor(x, 99), expected[j] == 0 ? kRed : kGreen) << values[j];
        }
    }
    EXPECT_EQ(graph.pixelColor(14, 0), kBlack);
}

TEST_F(Statistics, HundredThousandRecordsOpenWithoutAWait)
{
    QStringList percentages;
    percentages.reserve(100000);
    for (int k = 0; k < 100000; ++k)
        percentages.append(QString::number(k % 101));
    const QByteArray bytes = header("Marie", "Lac") + records(percentages);
    const QString big = user("grand", bytes);
    // Measured against one reading of the file, so that a busy machine does
    // not decide: listing the user and choosing it each read it once, and
    // nothing else may grow with the file.
    QElapsedTimer clock;
    clock.start();
    const QStringList parsed = plat::LineList::parse(bytes);
    const qint64 oneReading = clock.restart();
    listUsers({big});
    const qint64 listing = clock.restart();
    choose(0);
    const qint64 choosing = clock.restart();
    EXPECT_EQ(For2->memo1().count(), parsed.size());
    // The latest test in the graph's last column.
    EXPECT_EQ(greenHeight(For2->Image5->pixmap().toImage(), 503), 99999 % 101);
    EXPECT_LT(listing, 3 * oneReading + 300) << "one reading: " << oneReading << " ms";
    EXPECT_LT(choosing, 3 * oneReading + 300) << "one reading: " << oneReading << " ms";
}

TEST_F(Statistics, AddAndRemoveUsers)
{
    const QString marie = user("marie", header("Marie", "Lac"));
    const QString paul = user("paul", crlf({"Fiche de Statistiques Utilisateur :"}));
    auto add = [&](const QString &path) {
        sandbox.desktop().fileAnswers.push_back(path);
        For2->BitBtn5Click();
    };
    add(marie);
    add(paul);
    add(marie); // the same file twice
    add(QStringLiteral("C:\\users\\absent.user"));
    EXPECT_EQ(sheets::listLines(For2->ListBox1), QStringList({"Lac, Marie", ", ", "Lac, Marie"}));
    EXPECT_EQ(sandbox.get(kUsers), (marie + "\r\n" + paul + "\r\n" + marie + "\r\n").toUtf8());
    // The user last added is the one chosen and shown, banner and text alike.
    EXPECT_EQ(For2->ListBox1->itemIndex(), 2);
    EXPECT_EQ(For2->Label6, marie);
    EXPECT_EQ(For2->titleDisplay->memo2Line(), "Utilisateur : Lac, Marie");
    EXPECT_EQ(For2->memo1().memoLine(1), "Marie");
    EXPECT_EQ(sandbox.desktop().records.front().detail, "Fiche utilisateur Tavilo|*.user");

    // Removing the first selects the new first and shows it.
    choose(0);
    For2->BitBtn6Click();
    EXPECT_EQ(sheets::listLines(For2->ListBox1), QStringList({", ", "Lac, Marie"}));
    EXPECT_EQ(For2->ListBox1->itemIndex(), 0);
    EXPECT_EQ(For2->Label6, paul);
    EXPECT_EQ(For2->titleDisplay->memo2Line(), "Utilisateur : , ");
    EXPECT_EQ(sandbox.get(kUsers), (paul + "\r\n" + marie + "\r\n").toUtf8());
    // Removing the last selects the one before it.
    choose(1);
    For2->BitBtn6Click();
    EXPECT_EQ(For2->ListBox1->itemIndex(), 0);
    EXPECT_EQ(For2->Label6, paul);
    // A failed write of the list removes nothing.
    plat::setWriteFailureHook([](const QString &) { return QStringLiteral("disque plein"); });
    For2->BitBtn6Click();
    EXPECT_EQ(sheets::listLines(For2->ListBox1), QStringList({", "}));
    EXPECT_EQ(For2->Memo3.lines(), QStringList({paul}));
    EXPECT_TRUE(sandbox.desktop().messages().last().contains("disque plein"));
    // A user added when the list cannot be written stays for the session,
    // and the user is told.
    add(marie);
    EXPECT_EQ(For2->Memo3.lines(), QStringList({paul, marie}));
    EXPECT_TRUE(sandbox.desktop().messages().last().contains("disque plein"));
    plat::setWriteFailureHook({});
    // Removing the only user leaves an empty list and nothing shown.
    For2->Memo3.setLines({paul});
    For2->Memo3Change();
    choose(0);
    For2->BitBtn6Click();
    EXPECT_EQ(For2->ListBox1->count(), 0);
    EXPECT_EQ(sandbox.get(kUsers), QByteArray());
    EXPECT_TRUE(For2->Label6.isEmpty());
    EXPECT_TRUE(For2->Memo1->toPlainText().isEmpty());
    // Nothing selected: nothing removed.
    For2->BitBtn6Click();
    EXPECT_TRUE(sandbox.exists(marie));
}

TEST_F(Statistics, NewUserCancelledOrFailed)
{
    For9b->Edit1->setText(QStringLiteral("Marie"));
    For9b->Edit2->setText(QStringLiteral("Lac"));
    sandbox.desktop().fileAnswers.push_back(std::nullopt);
    sandbox.desktop().modalActions.push_back([](plat::Form *) {
        For9b->BitBtn1Click();
        return For9b->result();
    });
    EXPECT_EQ(plat::desktop().showModal(For9b), plat::mrNone); // still open
    EXPECT_EQ(For9b->Edit1->text(), "Marie");
    EXPECT_EQ(For9b->Edit2->text(), "Lac");
    EXPECT_EQ(For2->Memo3.count(), 0);

    const QString path = sandbox.root() + QStringLiteral("/marie.user");
    plat::setWriteFailureHook([](const QString &) { return QStringLiteral("disque plein"); });
    sandbox.desktop().fileAnswers.push_back(path);
    For9b->BitBtn1Click();
    EXPECT_EQ(sandbox.desktop().messages().mid(2),
              QStringList({"Erreur : le nouvel utilisateur n'a pas pu être enregistré.",
                           "Contactez votre distributeur d'Tavilo pour plus d'informations."}));
    EXPECT_FALSE(sandbox.exists(path));
    EXPECT_EQ(For2->Memo3.count(), 0);
    EXPECT_TRUE(For2->Memo1->toPlainText().isEmpty()); // no user shown that was not saved
}

TEST_F(Statistics, CompletionRecordsForTheUserChosenFromTheKeyboard)
{
    const QString marie = user("marie", header("Marie", "Lac"));
    const QString paul = user("paul", header("Paul", "Lac"));
    listUsers({marie, paul});
    const int kClick = -1; // a mouse click on entry 1
    const struct {
        std::vector<int> keys;
        int recordedFor; // -1: nobody, the window still open
    } cases[] = {
        {{Qt::Key_Down}, -1},
        {{Qt::Key_Down, Qt::Key_Down}, -1},
        {{Qt::Key_Return}, -1}, // nothing chosen yet
        {{Qt::Key_Down, Qt::Key_Return}, 0},
        {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter}, 1},
        {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Space}, 0},
        {{Qt::Key_Down, Qt::Key_End, Qt::Key_Space}, 1},
        {{Qt::Key_P}, -1}, // a typed letter only moves the choice
        {{kClick}, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.keys));
        const QByteArray before[] = {sandbox.get(marie), sandbox.get(paul)};
        endTest("1", "1", "20", QStringLiteral("Verbes"));
        int result = -7;
        sandbox.desktop().modalActions.push_back([&](plat::Form *) {
            For13->setResult(-7);
            // Laid out as when shown, so that a click finds its entry.
            For13->layout()->activate();
            For13->ListBox1->doItemsLayout();
            for (int key : c.keys) {
                if (key == kClick) {
                    const QRect entry = For13->ListBox1->visualItemRect(For13->ListBox1->item(1));
                    const QPointF at = entry.center();
                    QMouseEvent press(QEvent::MouseButtonPress, at, For13->ListBox1->viewport()->mapToGlobal(at),
                                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                    QApplication::sendEvent(For13->ListBox1->viewport(), &press);
                    continue;
                }
                const QString text = key == Qt::Key_P ? QStringLiteral("p") : QString();
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
                QApplication::sendEvent(For13->ListBox1, &press);
            }
            result = For13->result();
            return result;
        });
        plat::desktop().showModal(For13);
        for (int u = 0; u < 2; ++u) {
            const bool recorded = sandbox.get(u ? paul : marie) != before[u];
            EXPECT_EQ(recorded, c.recordedFor == u) << "user " << u;
        }
        EXPECT_EQ(result, c.recordedFor < 0 ? -7 : int(plat::mrOk));
    }
    EXPECT_TRUE(sandbox.desktop().messages().isEmpty());
}

TEST_F(Statistics, CompletionWithNoUserOffersToCreateOne)
{
    const QString path = sandbox.root() + QStringLiteral("/camille.user");
    const struct {
        const char *what;
        bool created;
    } cases[] = {
        {"the new-user window left with Escape", false},
        {"a user created", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        endTest("3", "1", "42", QStringLiteral("Couleurs"));
        sandbox.desktop().modalActions.push_back([&](plat::Form *) {
            EXPECT_EQ(For13->ListBox1->count(), 0);
            EXPECT_TRUE(For13->BitBtn1->isVisibleTo(For13));
            EXPECT_EQ(For13->BitBtn1->text(), "Créer un nouvel utilisateur");
            For13->setResult(-7);
            For13->BitBtn1->click();
            return For13->result();
        });
        sandbox.desktop().modalActions.push_back([&](plat::Form *) {
            if (!c.created) {
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(For9b, &escape);
                return For9b->result();
            }
            For9b->Edit1->setText(QStringLiteral("Camille"));
            For9b->Edit2->setText(QStringLiteral("Pasteur"));
            sandbox.desktop().fileAnswers.push_back(path);
            For9b->BitBtn1->click();
            return For9b->result();
        });
        const int result = plat::desktop().showModal(For13);
        if (!c.created) {
            EXPECT_EQ(result, -7); // still open, for another try or Quitter
            EXPECT_FALSE(sandbox.exists(path));
            EXPECT_FALSE(sandbox.exists(kUsers));
            continue;
        }
        EXPECT_EQ(result, plat::mrOk);
        EXPECT_EQ(sandbox.get(kUsers), (path + "\r\n").toUtf8());
        const QStringList lines = plat::LineList::parse(sandbox.get(path));
        ASSERT_EQ(lines.size(), 21);
        EXPECT_EQ(lines.mid(0, 3), QStringList({"Fiche de Statistiques Utilisateur :", "Camille", "Pasteur"}));
        EXPECT_EQ(lines.at(6), "Test 1");
        EXPECT_EQ(lines.at(12), "Couleurs");
        EXPECT_EQ(lines.at(16), "75");
    }
}

TEST_F(Statistics, NewUserWindowLeftWithoutWriting)
{
    const QString marie = user("marie", header("Marie", "Lac"));
    listUsers({marie});
    const struct {
        const char *what;
        std::function<void()> leave;
    } cases[] = {
        {"Escape in a field", [] {
             QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
             QApplication::sendEvent(For9b->Edit2, &escape);
         }},
        {"the close box", [] { For9b->close(); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        sandbox.desktop().modalActions.push_back([&](plat::Form *) {
            // Blank fields, whatever the last user typed.
            EXPECT_TRUE(For9b->Edit1->text().isEmpty());
            EXPECT_TRUE(For9b->Edit2->text().isEmpty());
            For9b->Edit1->setText(QStringLiteral("Paul"));
            For9b->Edit2->setText(QStringLiteral("Lac"));
            For9b->setResult(-7);
            c.leave();
            return For9b->result();
        });
        EXPECT_FALSE(For2->Crerunenouvellefiche1Click());
        EXPECT_EQ(For9b->result(), plat::mrCancel);
        EXPECT_EQ(For2->Memo3.lines(), QStringList({marie}));
        EXPECT_FALSE(sandbox.exists(kUsers));
        EXPECT_TRUE(sandbox.desktop().messages().isEmpty());
        EXPECT_EQ(sandbox.desktop().count("save"), 0);
    }
}

namespace {

// Prints to a PDF file instead of a printer.
class PdfDesktop : public plat::ScriptedDesktop {
public:
    QString pdf;

protected:
    bool doChoosePrinter(QPrinter &printer) override
    {
        const bool chosen = plat::ScriptedDesktop::doChoosePrinter(printer);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return chosen;
    }
};

} // namespace

TEST_F(Statistics, PrintingTheChosenUser)
{
    auto desktop = std::make_unique<PdfDesktop>();
    PdfDesktop &d = *desktop;
    d.pdf = sandbox.root() + QStringLiteral("/stats.pdf");
    plat::setDesktop(std::move(desktop));
    const QString marie = user("marie", header("Marie", "Lac") + records({"75"}));
    listUsers({marie});

    For2->BitBtn9Click(); // nobody chosen
    EXPECT_TRUE(d.records.empty());
    choose(0);
    d.printerAnswers.push_back(true);
    For2->BitBtn9Click(); // the font dialog cancelled does not stop printing
    EXPECT_EQ(d.count("font"), 1);
    EXPECT_TRUE(sandbox.get(d.pdf).startsWith("%PDF"));
    EXPECT_TRUE(d.messages().isEmpty());

    QFile::remove(plat::hostPath(marie));
    d.printerAnswers.push_back(true);
    For2->BitBtn9Click();
    EXPECT_EQ(d.messages(), QStringList({"Erreur : Les statistiques n'ont pas été imprimées."}));
}

TEST_F(Statistics, ShowingAndClosing)
{
    const QString marie = user("marie", header("Marie", "Lac") + records({"75"}));
    listUsers({marie});
    choose(0);
    EXPECT_FALSE(For2->Memo1->toPlainText().isEmpty());
    EXPECT_EQ(For2->ListBox1->toolTip(), "Lac, Marie");
    Form1->RadioButton3->setChecked(true);
    plat::desktop().showModal(For2);
    EXPECT_TRUE(For2->Memo1->toPlainText().isEmpty());
    EXPECT_EQ(For2->ListBox1->itemIndex(), -1);
    choose(0);
    For2->BitBtn4->click();
    EXPECT_EQ(For2->ListBox1->itemIndex(), -1);
    EXPECT_FALSE(Form1->RadioButton3->isChecked());
}

// Opened again after a test was recorded, the window starts from its user
// list: the focus there, no user chosen and none named in the banner; Down
// or Enter on an entry shows that user.
TEST_F(Statistics, ReopenedAfterATestStartsFromTheUserList)
{
    const QString marie = user("marie", header("Marie", "Lac"));
    const QString paul = user("paul", header("Paul", "Lac"));
    listUsers({marie, paul});
    endTest("1", "1", "20", QStringLiteral("Verbes"));
    ASSERT_EQ(record(1), plat::mrOk);
    ASSERT_EQ(For2->titleDisplay->memo2Line(), "Utilisateur : Lac, Paul");
    For2->BitBtn6->setFocus(); // where the last visit left it
    const auto key = [](int k) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(For2->ListBox1, &press);
    };
    sandbox.desktop().modalActions.push_back([&](plat::Form *) {
        For2->show();
        EXPECT_EQ(For2->focusWidget(), For2->ListBox1);
        EXPECT_EQ(For2->ListBox1->itemIndex(), -1);
        EXPECT_EQ(For2->titleDisplay->memo2Line(), QString());
        EXPECT_TRUE(For2->Memo1->toPlainText().isEmpty());
        key(Qt::Key_Down);
        EXPECT_EQ(For2->ListBox1->itemIndex(), 0);
        EXPECT_EQ(For2->titleDisplay->memo2Line(), "Utilisateur : Lac, Marie");
        // The caret on an entry not chosen, as Tab into the list leaves it.
        For2->ListBox1->setItemIndex(-1);
        For2->ListBox1->setCurrentRow(1, QItemSelectionModel::NoUpdate);
        key(Qt::Key_Enter);
        EXPECT_EQ(For2->ListBox1->itemIndex(), 1);
        EXPECT_EQ(For2->titleDisplay->memo2Line(), "Utilisateur : Lac, Paul");
        EXPECT_EQ(For2->Label6, paul);
        EXPECT_TRUE(For2->Memo1->toPlainText().contains("Test 1"));
        // No caret, nothing chosen: Enter shows nobody.
        For2->FormActivate();
        key(Qt::Key_Return);
        EXPECT_EQ(For2->ListBox1->itemIndex(), -1);
        EXPECT_EQ(For2->titleDisplay->memo2Line(), QString());
        For2->hide();
        return plat::mrCancel;
    });
    plat::desktop().showModal(For2);
}

// The completion window says once, after it closes, for whom the test was
// recorded; nothing when it was not.
TEST_F(Statistics, ARecordedTestIsSaidOnce)
{
    const QString marie = user("marie", header("Marie", "Lac"));
    const QString gone = QStringLiteral("C:\\users\\parti.user");
    listUsers({marie, user("parti", header("Luc", "Lac"))});
    QFile::remove(plat::hostPath(gone));
    const struct {
        const char *what;
        std::function<void()> act;
        QStringList said;
    } cases[] = {
        {"recorded", [] { For13->ListBox1->setItemIndex(0); For13->ListBox1Click(); },
         {"Test enregistré pour Marie."}},
        {"left", [] { For13->Quitter->click(); }, {}},
        {"file gone", [] { For13->ListBox1->setItemIndex(1); For13->ListBox1Click(); }, {kNotRecorded}},
        {"no answer", [] { For13->ListBox1->setItemIndex(0); For13->ListBox1Click(); }, {kNotRecorded}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const bool none = std::string(c.what) == "no answer";
        endTest(none ? "0" : "2", "0", "15", QStringLiteral("Verbes"));
        sandbox.desktop().records.clear();
        sandbox.desktop().modalActions.push_back([&](plat::Form *) {
            c.act();
            return For13->result();
        });
        For13->completeStatistics();
        EXPECT_EQ(sandbox.desktop().messages(), c.said);
    }
}
