#include "testing/testwindow.h"

#include "platform/controls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TForm4 *Form4 = nullptr;

namespace {

QLabel *whiteLabel(const QString &text, const QString &name, QWidget *parent)
{
    return plat::colourLabel(text, name, QStringLiteral("white"), parent);
}

} // namespace

TForm4::TForm4(QWidget *parent) : plat::Form(QStringLiteral("Form4"), parent)
{
    setWindowTitle(QStringLiteral("Orsiva Tavilo : test sur une fiche"));
    resize(800, 570);
    setColours(Qt::black, Qt::white);

    auto *row = new QHBoxLayout(this);

    auto *choice = new QVBoxLayout;
    Label1 = whiteLabel(QStringLiteral("Choisissez une fiche à tester :"), QStringLiteral("Label1"), this);
    choice->addWidget(Label1);
    // The two lists share one place; the input mode decides which one shows.
    auto *lists = new QGridLayout;
    ListBox1 = new sheets::TitleListBox(sheets::TitleVariant::Test, this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox9 = new QListWidget(this);
    ListBox9->setObjectName(QStringLiteral("ListBox9"));
    lists->addWidget(ListBox1, 0, 0);
    lists->addWidget(ListBox9, 0, 0);
    choice->addLayout(lists, 1);
    BitBtn7 = plat::pushButton(QStringLiteral("Se tester sur la fiche"), QStringLiteral("BitBtn7"), this);
    choice->addWidget(BitBtn7);
    Parcourir = plat::pushButton(
        QStringLiteral("Parcourir..."), QStringLiteral("Parcourir"), this,
        QStringLiteral("CLiquez sur ce bouton pour chercher sur votre disque dur ou sur un support amovible la "
                       "fiche *.fic ou *.txt sur laquelle vous voulez être testé..."));
    choice->addWidget(Parcourir);
    row->addLayout(choice, 1);

    auto *test = new QVBoxLayout;
    Label22 = whiteLabel(QStringLiteral("Résultats :"), QStringLiteral("Label22"), this);
    Label19 = whiteLabel(QStringLiteral("Termes testés : 0"), QStringLiteral("Label19"), this);
    Label17 = whiteLabel(QStringLiteral("Termes justes : 0"), QStringLiteral("Label17"), this);
    Label21 = whiteLabel(QStringLiteral("Pourcentage juste : 0 %"), QStringLiteral("Label21"), this);
    Label18 = whiteLabel(QStringLiteral("Pourcentage faux : 0 %"), QStringLiteral("Label18"), this);
    for (QLabel *l : {Label22, Label19, Label17, Label21, Label18})
        test->addWidget(l);
    Label12 = new QLabel(this);
    Label12->setObjectName(QStringLiteral("Label12"));
    const QFont termFont = plat::pixelFont(QStringLiteral("Liberation Serif"), 21);
    Label12->setFont(termFont);
    Label12->setStyleSheet(QStringLiteral("color: blue; background: #00ff00;"));
    test->addWidget(Label12);
    Edit5 = new QLineEdit(this);
    Edit5->setObjectName(QStringLiteral("Edit5"));
    Edit5->setFont(termFont);
    test->addWidget(Edit5);
    label26 = whiteLabel(QString(), QStringLiteral("label26"), this);
    Label29 = whiteLabel(QString(), QStringLiteral("Label29"), this);
    Label15 = whiteLabel(QString(), QStringLiteral("Label15"), this);
    for (QLabel *l : {label26, Label29, Label15})
        test->addWidget(l);
    test->addStretch();
    row->addLayout(test, 2);

    Label9 = whiteLabel(QStringLiteral("0"), QStringLiteral("Label9"), this);
    Label9->hide();
    CheckBox1 = new QCheckBox(QStringLiteral("Enregistrer les erreurs"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setChecked(true);
    CheckBox2 = new QCheckBox(QStringLiteral("Compléter les statistiques"), this);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setChecked(true);
    for (QCheckBox *c : {CheckBox1, CheckBox2}) {
        test->addWidget(c);
        c->hide();
    }
    titleDisplay = new sheets::TitleDisplay(sheets::TitleVariant::Test, nullptr, nullptr, this);

    Edit3 = QStringLiteral("0");
    Edit4 = QStringLiteral("-1");
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1);
}
