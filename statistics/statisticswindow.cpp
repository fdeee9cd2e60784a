#include "statistics/statisticswindow.h"

#include "platform/failure.h"

#include <algorithm>

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TFor2 *For2 = nullptr;

namespace statistics {

QString userEntry(const plat::LineList &userFile)
{
    return userFile.memoLine(2) + QStringLiteral(", ") + userFile.memoLine(1);
}

} // namespace statistics

TFor2::TFor2(QWidget *parent) : plat::Form(QStringLiteral("For2"), parent)
{
    setWindowTitle(QStringLiteral("Statistiques des utilisateurs Tavilo"));
    resize(800, 560);
    setColours(Qt::black, Qt::white);

    auto *box = new QVBoxLayout(this);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->addWidget(ListBox1, 1);
    box->addWidget(Memo1, 2);
}

void TFor2::loadUserList(const QString &path)
{
    Memo3.loadFromFile(path);
    Memo3Change();
}

void TFor2::Memo3Change()
{
    if (code != QLatin1String("Code"))
        return;
    QStringList entries;
    plat::LineList shown; // the last file read: the first readable one of the list
    bool anyRead = false;
    for (qsizetype i = Memo3.count() - 1; i >= 0; --i) {
        plat::LineList userFile;
        try {
            userFile.loadFromFile(Memo3.memoLine(i));
        } catch (const plat::Failure &) {
            // Dropping the line is itself a change of the list: the guard keeps
            // it from starting a rebuild inside this one.
            code = QStringLiteral("1");
            Memo3.removeAt(i);
            code = QStringLiteral("Code");
            continue;
        }
        entries.append(statistics::userEntry(userFile));
        shown = std::move(userFile);
        anyRead = true;
    }
    std::reverse(entries.begin(), entries.end());
    ListBox1->clear();
    ListBox1->addItems(entries);
    if (anyRead)
        Memo1->setPlainText(shown.lines().join(QLatin1Char('\n')));
}
