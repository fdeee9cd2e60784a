#include "processing/mixerwindow.h"

#include "app/mainwindow.h"
#include "editor/editorwindow.h"
#include "platform/busycursor.h"
#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/failure.h"
#include "platform/fileio.h"
#include "processing/sheetprocessing.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm16 *Form16 = nullptr;

namespace {
const QString kListHint = QStringLiteral("Cliquez sur une fiche pour en avoir un aperçu à droite.");
}

void MixListBox::mouseMoveEvent(QMouseEvent *e)
{
    const QString hint = toolTip();
    sheets::TitleListBox::mouseMoveEvent(e);
    setToolTip(hint);
}

TForm16::TForm16(QWidget *parent) : plat::Form(QStringLiteral("Form16"), parent)
{
    setWindowTitle(QStringLiteral("Créer un dictionnaire / Mixer des fiches"));
    setColours(Qt::black, Qt::white);

    const QFont font = plat::pixelFont(QStringLiteral("Arial"), 13);
    const QFont bold = plat::pixelFont(QStringLiteral("Arial"), 13, true);
    auto label = [&](const QString &text, const QString &name, const QString &hint) {
        QLabel *l = plat::colourLabel(text, name, QStringLiteral("white"), bold, this);
        l->setToolTip(hint);
        return l;
    };
    Label2 = label(QStringLiteral("Titre du dictionnaire / Titre de la fiche créée :"), QStringLiteral("Label2"),
                   QStringLiteral("Choisissez le titre du dictionnaire, ou de la fiche résultant du mixage des "
                                  "fiches sélectionnées"));
    Edit1 = new QLineEdit(QStringLiteral("Mon dictionnaire"), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setToolTip(Label2->toolTip());
    Label5 = label(QStringLiteral("Fiches à mixer :"), QStringLiteral("Label5"),
                   QStringLiteral("Mettez dans la liste ci-dessous les fiches à mixer"));
    ListBox1 = new MixListBox(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setToolTip(kListHint);
    connect(ListBox1, &sheets::TitleListBox::userClick, this, [this] { ListBox1Click(); });
    Label1 = label(QStringLiteral("Aperçu de la fiche :"), QStringLiteral("Label1"),
                   QStringLiteral("Cliquez sur une fiche de la liste des fiches pour en obtenir un aperçu."));
    Memo3 = new QPlainTextEdit(this);
    Memo3->setObjectName(QStringLiteral("Memo3"));
    Memo3->setLineWrapMode(QPlainTextEdit::NoWrap);
    // A preview: what is typed here would never reach the sheet.
    Memo3->setReadOnly(true);
    Memo3->setToolTip(QStringLiteral("Ceci est une aperçu de la fiche sélectionnée dans la liste à gauche"));

    BitBtn1 = plat::pushButton(QStringLiteral("Supprimer la fiche sélectionnée de la liste"),
                               QStringLiteral("BitBtn1"), this,
                               QStringLiteral("Cliquez ici pour supprimer une fiche de la liste des fiches. Le "
                                              "fichier ne sera pas supprimé de votre disque dur."));
    BitBtn2 = plat::pushButton(
        QStringLiteral("Ajouter une fiche à la liste"), QStringLiteral("BitBtn2"), this,
        QStringLiteral("Cliquez ici pour ajouter une fiche de vocabulaire dans la liste des fiches."));
    BitBtn3 = plat::pushButton(
        QStringLiteral("Mixer les fiches de la liste ci-dessus"), QStringLiteral("BitBtn3"), this,
        QStringLiteral("Cliquez ici pour créer un dictionnaire, ou une fiche qui mixe toutes celles ci-dessus"));
    BitBtn4 = plat::pushButton(QStringLiteral("Quitter cette fenêtre"), QStringLiteral("BitBtn4"), this,
                               QStringLiteral("Cliquez ici pour quitter cette fenêtre sans mixer de fiches."));
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    connect(BitBtn4, &QPushButton::clicked, this, [this] { BitBtn4Click(); });

    Memo1 = plat::colourLabel(QStringLiteral("Ajoutez des fiches dans la liste des fiches à mixer. Tavilo ! "
                                             "créera une fiche qui sera la réunion de toutes ces fiches."),
                              QStringLiteral("Memo1"), QStringLiteral("yellow"), font, this);
    Memo1->setWordWrap(true);
    // Sheets have no size limit here; the note keeps its advice on size.
    Memo4 = plat::colourLabel(QStringLiteral("Conseil : une fiche de plus de 50000 caractères, soit environ "
                                             "1000 termes, s'apprend mieux partagée en plusieurs fiches."),
                              QStringLiteral("Memo4"), QStringLiteral("yellow"), font, this);
    Memo4->setWordWrap(true);
    Memo4->setAlignment(Qt::AlignCenter);

    for (QWidget *w : std::initializer_list<QWidget *>{Edit1, ListBox1, Memo3, BitBtn1, BitBtn2, BitBtn3,
                                                       BitBtn4})
        w->setFont(font);

    auto *listButtons = new QHBoxLayout;
    listButtons->addWidget(BitBtn1);
    listButtons->addWidget(BitBtn2);
    auto *left = new QVBoxLayout;
    left->addWidget(Label5);
    left->addWidget(ListBox1, 1);
    left->addLayout(listButtons);
    auto *right = new QVBoxLayout;
    right->addWidget(Label1);
    right->addWidget(Memo3, 1);
    auto *lists = new QHBoxLayout;
    lists->addLayout(left, 3);
    lists->addLayout(right, 2);

    auto *title = new QHBoxLayout;
    title->addWidget(Label2);
    title->addWidget(Edit1, 1);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(BitBtn3, 1);
    bottom->addWidget(BitBtn4);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->addWidget(Memo1);
    layout->addLayout(title);
    layout->addLayout(lists, 1);
    layout->addLayout(bottom);
    layout->addWidget(Memo4);
    setFixedSize(760, 500);
    setEscapeAction([this] { BitBtn4Click(); });
}

void TForm16::showMixer()
{
    m_fillOnActivation = true;
    plat::desktop().showModal(this);
}

void TForm16::showEvent(QShowEvent *e)
{
    plat::centreOnScreen(this);
    m_fillOnActivation = true;
    plat::Form::showEvent(e);
}

void TForm16::activated()
{
    if (!m_fillOnActivation)
        return;
    m_fillOnActivation = false;
    FormActivate();
}

void TForm16::FormActivate()
{
    resetListHint();
    // Both parts come from the catalogue, so that title i always names the
    // sheet at path i: a title list that has gone out of step with the
    // catalogue cannot make the mix take another sheet than the one shown.
    ListBox2.setLines(Form1->ListBox1.lines());
    const QStringList editorTitles = sheets::listLines(Form2->ListBox1);
    QStringList titles = ListBox2.lines(); // a path stands in for a missing title
    for (qsizetype i = 0; i < titles.size() && i < editorTitles.size(); ++i)
        titles[i] = editorTitles[i];
    sheets::setListLines(ListBox1, titles);
    Memo3->clear();
}

void TForm16::resetListHint()
{
    ListBox1->setToolTip(kListHint);
}

void TForm16::showPreview(const QStringList &lines)
{
    Memo3->setPlainText(lines.join(QLatin1Char('\n')));
}

void TForm16::removeEntry(int i)
{
    delete ListBox1->takeItem(i);
    ListBox2.removeAt(i);
}

void TForm16::ListBox1Click()
{
    const int i = ListBox1->itemIndex();
    if (i < 0)
        return;
    ListBox1->setToolTip(ListBox1->item(i)->text());
    try {
        plat::LineList sheet;
        sheet.loadFromFile(ListBox2.at(i));
        showPreview(sheet.lines());
    } catch (const plat::Failure &) {
        plat::desktop().showMessage(QStringLiteral("Erreur : la fiche sélectionnée n'est pas disponible."));
        Memo3->clear();
        resetListHint();
        ListBox1->setItemIndex(-1);
        removeEntry(i);
    }
}

void TForm16::BitBtn1Click()
{
    const int i = ListBox1->itemIndex();
    if (i < 0) {
        plat::desktop().showMessage(
            QStringLiteral("Vous devez d'abord sélectionner une fiche à supprimer dans la liste de gauche."));
        return;
    }
    removeEntry(i);
    Memo3->clear();
    resetListHint();
    // The entry that moved up into its place; none after the last one.
    ListBox1->setItemIndex(i);
}

void TForm16::BitBtn2Click()
{
    const std::optional<QString> path = plat::desktop().openFile(
        {QStringLiteral("Choix d'une fiche à mixer"),
         QStringLiteral("Fiche Tavilo !|*.fic|Fiche potentielle Tavilo !|*.txt"), {}, {}, {}});
    if (!path)
        return;
    plat::LineList sheet;
    try {
        sheet.loadFromFile(*path);
    } catch (const plat::Failure &) {
        Memo3->clear();
        plat::desktop().showMessage(QStringLiteral("Erreur : impossible d'ouvrir le fichier demandé."));
        return;
    }
    showPreview(sheet.lines());
    ListBox1->addItem(sheet.memoLine(0));
    ListBox2.append(*path);
    ListBox1->setItemIndex(ListBox1->count() - 1);
}

void TForm16::BitBtn3Click()
{
    plat::Desktop &desktop = plat::desktop();
    const std::optional<QString> path =
        desktop.saveFile({QStringLiteral("Enregistrement du Dictionnaire"),
                          QStringLiteral("Fiche ou Dictionnaire Tavilo !|*.fic"), {}, {}, QStringLiteral("fic")});
    if (!path) {
        desktop.showMessage(QStringLiteral("Erreur : le dictionnaire n'a pas pu être créé."));
        return;
    }
    desktop.showMessage(
        QStringLiteral("Avertissement : cette opération peut prendre plusieurs minutes : veuillez être patient..."));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The windows stay painted meanwhile; clicks and keys wait.
    plat::Progress progress = plat::repaintingProgress();
    try {
        // Every sheet is read before anything is written: a sheet that has
        // gone since it was listed stops the mix with no file left behind.
        Memo2 = processing::mixSheets(Edit1->text(), ListBox2.lines(), progress);
        plat::writeFile(*path, Memo2);
    } catch (const plat::Failure &failure) {
        Memo2.clear();
        QApplication::restoreOverrideCursor();
        desktop.showError(failure.message());
        return;
    }
    // A dictionary can be large, and nothing reads it back from here.
    Memo2.clear();
    QApplication::restoreOverrideCursor();
    // It is not catalogued: the user is told where to find it.
    desktop.showMessage(QStringLiteral("Le dictionnaire a bien été créé dans le fichier :\n") + *path);
    closeWith(plat::mrNone);
}

void TForm16::BitBtn4Click()
{
    closeWith(plat::mrNone);
}
