#include "editor/editorwindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TForm2 *Form2 = nullptr;

namespace {

QPushButton *button(const QString &text, const QString &hint, const QString &name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    if (!hint.isEmpty())
        b->setToolTip(hint);
    return b;
}

QLabel *whiteLabel(const QString &text, const QString &name, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setStyleSheet(QStringLiteral("color: white;"));
    return l;
}

QToolButton *fontButton(const QString &name, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(QStringLiteral("A"));
    b->setFocusPolicy(Qt::NoFocus);
    b->setToolTip(QStringLiteral("Cliquez ici pour changer la police de caractères de la liste en dessous"));
    return b;
}

} // namespace

TForm2::TForm2(QWidget *parent) : plat::Form(QStringLiteral("Form2"), parent)
{
    setWindowTitle(QStringLiteral("Modification d'une fiche Tavilo"));
    resize(800, 560);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    auto *grid = new QGridLayout(this);

    // Left column: the title list and the sheet commands.
    auto *left = new QVBoxLayout;
    Label1 = whiteLabel(QStringLiteral("Liste des fiches :"), QStringLiteral("Label1"), this);
    Label1->setToolTip(QStringLiteral("Différentes listes de vocabulaire disponibles."));
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setToolTip(QStringLiteral("Cliquez ici pour choisir une fiche"));
    left->addWidget(Label1);
    left->addWidget(ListBox1, 1);
    BitBtn10 = button(QStringLiteral("Modifier en plein-texte"), QString(), QStringLiteral("BitBtn10"), this);
    BitBtn7 = button(QStringLiteral("Créer une nouvelle fiche"),
                     QStringLiteral("Cliquez ici pour créer une nouvelle fiche de vocabulaire, enregistrée "
                                    "sur votre disque dur."),
                     QStringLiteral("BitBtn7"), this);
    BitBtn8 = button(QStringLiteral("Enregistrer en format Microsoft Excel"),
                     QStringLiteral("Cliquez ici pour enregistrer la fiche traitée en *.csv, extension "
                                    "lisible par Microsoft Excel"),
                     QStringLiteral("BitBtn8"), this);
    BitBtn9 = button(QStringLiteral("Imprimer la fiche"),
                     QStringLiteral("Cliquez ici pour imprimer directement la fiche traitée"),
                     QStringLiteral("BitBtn9"), this);
    BitBtn5 = button(QStringLiteral("Ajouter une fiche à la liste"),
                     QStringLiteral("Cliquez ici pour ajouter une fiche de vocabulaire dans la liste des "
                                    "fiches."),
                     QStringLiteral("BitBtn5"), this);
    BitBtn6 = button(QStringLiteral("Supprimer la fiche de la liste"),
                     QStringLiteral("Cliquez ici pour supprimer une fiche de la liste des fiches. Le fichier "
                                    "ne sera pas supprimé de votre disque dur."),
                     QStringLiteral("BitBtn6"), this);
    for (QPushButton *b : {BitBtn10, BitBtn7, BitBtn8, BitBtn9, BitBtn5, BitBtn6})
        left->addWidget(b);
    grid->addLayout(left, 0, 0, 2, 1);

    // The two term columns, each with its font buttons and entry.
    Label4 = whiteLabel(QStringLiteral("Vocabulaire étranger :"), QStringLiteral("Label4"), this);
    Label4->setToolTip(QStringLiteral("Liste principale de vocabulaire, rangée par ordre alphabétique."));
    Label5 = whiteLabel(QStringLiteral("Vocabulaire français :"), QStringLiteral("Label5"), this);
    Label5->setToolTip(QStringLiteral("Liste de vocabulaire correspondant à la traduction de la liste du "
                                      "milieu."));
    SpeedButton1 = fontButton(QStringLiteral("SpeedButton1"), this);
    SpeedButton2 = fontButton(QStringLiteral("SpeedButton2"), this);
    BitBtn11 = button(QStringLiteral("Police de caractères"), QString(), QStringLiteral("BitBtn11"), this);
    BitBtn12 = button(QStringLiteral("Police de caractères"), QString(), QStringLiteral("BitBtn12"), this);
    ListBox2 = new QListWidget(this);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setToolTip(Label4->toolTip());
    ListBox3 = new QListWidget(this);
    ListBox3->setObjectName(QStringLiteral("ListBox3"));
    ListBox3->setToolTip(Label5->toolTip());
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    const struct {
        QLabel *heading;
        QToolButton *mouseFont;
        QPushButton *keyFont;
        QListWidget *list;
        QLineEdit *entry;
    } columns[] = {{Label4, SpeedButton1, BitBtn11, ListBox2, Edit1},
                   {Label5, SpeedButton2, BitBtn12, ListBox3, Edit2}};
    int c = 1;
    for (const auto &col : columns) {
        auto *box = new QVBoxLayout;
        auto *head = new QHBoxLayout;
        head->addWidget(col.heading, 1);
        head->addWidget(col.mouseFont);
        head->addWidget(col.keyFont);
        box->addLayout(head);
        box->addWidget(col.list, 1);
        box->addWidget(col.entry);
        grid->addLayout(box, 0, c++);
    }

    // The term buttons.
    BitBtn1 = button(QStringLiteral("Ajouter un terme à la liste"),
                     QStringLiteral("Cliquez ici pour ajouter un terme de vocabulaire."),
                     QStringLiteral("BitBtn1"), this);
    BitBtn3 = button(QStringLiteral("Supprimer un terme de la liste"),
                     QStringLiteral("Cliquez ici pour supprimer un terme de la liste de vocabulaire."),
                     QStringLiteral("BitBtn3"), this);
    BitBtn2 = button(QStringLiteral("Changer le \"sens\" de traduction"), QString(),
                     QStringLiteral("BitBtn2"), this);
    BitBtn4 = button(QStringLiteral("Arrêter la modification des fiches"),
                     QStringLiteral("Cliquez ici pour quitter."), QStringLiteral("BitBtn4"), this);
    auto *terms = new QHBoxLayout;
    for (QPushButton *b : {BitBtn1, BitBtn3, BitBtn2, BitBtn4})
        terms->addWidget(b);
    grid->addLayout(terms, 1, 1, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    // The mouse mode's reach until the start-up restores the user's mode.
    for (QWidget *w : {BitBtn2, BitBtn3, BitBtn4, BitBtn5, BitBtn6, BitBtn7, BitBtn8, BitBtn9, BitBtn10})
        w->setFocusPolicy(Qt::ClickFocus);
    for (QWidget *w : {ListBox1, ListBox2, ListBox3})
        w->setFocusPolicy(Qt::ClickFocus);
    BitBtn11->hide();
    BitBtn12->hide();

    QWidget *order[] = {ListBox1, BitBtn10, BitBtn7, BitBtn8, BitBtn9, BitBtn5, BitBtn6, ListBox2,
                        ListBox3, Edit1, Edit2, BitBtn1, BitBtn3, BitBtn2, BitBtn4, BitBtn11, BitBtn12};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}
