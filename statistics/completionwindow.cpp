#include "statistics/completionwindow.h"

#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/failure.h"
#include "platform/system.h"
#include "sheets/titlelistbox.h"
#include "statistics/reviewing.h"
#include "statistics/statisticswindow.h"
#include "statistics/userfile.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

TFor13 *For13 = nullptr;

namespace {

const QString kNotRecorded = QStringLiteral("Erreur : Les statistiques n'ont pas pu être enregistrées.");

// The arrow keys (and typed letters) only move the choice: the test is
// recorded by Enter or the space bar, for the entry chosen, or at once by a
// click.
class CompletionList : public sheets::TitleListBox {
public:
    using sheets::TitleListBox::TitleListBox;

protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            e->accept();
            if (itemIndex() >= 0)
                emit userClick();
            return;
        default: {
            const QSignalBlocker quiet(this);
            sheets::TitleListBox::keyPressEvent(e);
        }
        }
    }
};

} // namespace

TFor13::TFor13(QWidget *parent) : plat::Form(QStringLiteral("For13"), parent)
{
    setWindowTitle(QStringLiteral("Compléter les statistiques utilisateur"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setColours(Qt::black, Qt::white);

    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(16, 12, 16, 12);
    Label1 = plat::colourLabel(QStringLiteral("Cliquez sur votre nom d'utilisateur :"), QStringLiteral("Label1"),
                               QStringLiteral("white"),
                               plat::pixelFont(QStringLiteral("Arial"), 15, true, true), this);
    ListBox1 = new CompletionList(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFont(plat::pixelFont(QStringLiteral("Arial"), 13));
    Quitter = plat::pushButton(QStringLiteral("Quitter cette fenêtre"), QStringLiteral("Quitter"), this);
    Quitter->setFont(plat::pixelFont(QStringLiteral("Arial"), 12, true));
    // Offered while there is nobody to record the test for.
    BitBtn1 = plat::pushButton(QStringLiteral("Créer un nouvel utilisateur"), QStringLiteral("BitBtn1"), this,
                               QStringLiteral("Cliquez ici pour créer votre fiche utilisateur et y enregistrer "
                                              "ce test."));
    BitBtn1->setFont(Quitter->font());
    BitBtn1->hide();
    box->addWidget(Label1);
    box->addWidget(ListBox1, 1);
    box->addWidget(BitBtn1, 0, Qt::AlignHCenter);
    box->addWidget(Quitter, 0, Qt::AlignHCenter);
    setTabOrder(Quitter, BitBtn1);
    setFixedSize(420, 320);

    connect(ListBox1, &sheets::TitleListBox::userClick, this, &TFor13::ListBox1Click);
    connect(Quitter, &QPushButton::clicked, this, &TFor13::QuitterClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TFor13::BitBtn1Click);
    setEscapeAction([this] { QuitterClick(); });
}

void TFor13::FormActivate()
{
    sheets::setListLines(ListBox1, sheets::listLines(For2->ListBox1));
    const bool nobody = ListBox1->count() == 0;
    BitBtn1->setVisible(nobody);
    if (nobody)
        BitBtn1->setFocus();
}

void TFor13::BitBtn1Click()
{
    if (!For2->Crerunenouvellefiche1Click())
        return;
    // The new user is the last entry: the test goes to them.
    FormActivate();
    ListBox1->setItemIndex(ListBox1->count() - 1);
    ListBox1Click();
}

void TFor13::ListBox1Click()
{
    const int i = ListBox1->itemIndex();
    For2->ListBox1->setItemIndex(i);
    try {
        For2->openUser(For2->ListBox1->itemIndex());
    } catch (const plat::Failure &) {
        plat::desktop().showMessage(kNotRecorded);
        closeWith(plat::mrCancel);
        return;
    }
    try {
        const QDateTime now = plat::system().now();
        For2->appendTestRecord(test, plat::system().shortDate(now.date()), plat::system().longTime(now.time()));
        const QString name = For2->memo1().memoLine(1);
        m_recordedFor = name.isEmpty() ? For2->ListBox1->item(i)->text() : name;
    } catch (const plat::Failure &) {
        plat::desktop().showMessage(kNotRecorded);
        closeWith(plat::mrOk);
        return;
    }
    // Only a test recorded in the user's file is remembered for the review.
    reviewing::recordAnswers(For2->Label6, test.questions);
    closeWith(plat::mrOk);
}

void TFor13::completeStatistics()
{
    m_recordedFor.clear();
    plat::desktop().showModal(this);
    // Said once the window has closed, over the test it was recorded from.
    if (!m_recordedFor.isEmpty())
        plat::desktop().showMessage(QStringLiteral("Test enregistré pour %1.").arg(m_recordedFor));
}

void TFor13::QuitterClick()
{
    closeWith(plat::mrCancel);
}

void TFor13::showEvent(QShowEvent *e)
{
    plat::centreOnScreen(this);
    plat::Form::showEvent(e);
}
