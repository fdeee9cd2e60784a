#include "processing/processingwindow.h"

#include "app/mainwindow.h"
#include "editor/editorwindow.h"
#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/failure.h"
#include "processing/importdialog.h"
#include "processing/mixerwindow.h"
#include "processing/sheetprocessing.h"
#include "processing/transmissionwindow.h"
#include "sheets/catalogue.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm15 *Form15 = nullptr;

namespace {
const QString kCancelled = QStringLiteral("Erreur : Opération annulée par l'utilisateur.");
}

TForm15::TForm15(QWidget *parent) : plat::Form(QStringLiteral("Form15"), parent)
{
    setWindowTitle(QStringLiteral("Traitement de fiches Tavilo "));
    setColours(Qt::black, Qt::white);

    const QFont font = plat::pixelFont(QStringLiteral("Arial"), 14);
    Label1 = plat::colourLabel(QStringLiteral("Voici quelques actions réalisables sur les fiches Tavilo :"),
                               QStringLiteral("Label1"), QStringLiteral("white"),
                               plat::pixelFont(QStringLiteral("Arial"), 16, true), this);
    BitBtn1 = plat::pushButton(
        QStringLiteral("Exporter des fiches vers une TI-89/92"), QStringLiteral("BitBtn1"), this,
        QStringLiteral("Cliquez sur ce bouton pour exporter une fiche vers votre TI-89/92, si vous avez le "
                       "logiciel du TI-Graph link et le logiciel Tavilo pour TI-89/92"));
    BitBtn2 = plat::pushButton(QStringLiteral("Mixer des fiches (pour créer un dictionnaire)"),
                               QStringLiteral("BitBtn2"), this,
                               QStringLiteral("Cliquez ici pour mixer des fiches Tavilo !"));
    BitBtn4 = plat::pushButton(
        QStringLiteral("Convertir une fiche *.cif en fiche *.fic"), QStringLiteral("BitBtn4"), this,
        QStringLiteral("Cliquez ici pour convertir une fiche créée sous Linux d'extension .cif en fiche "
                       "Tavilo en .fic"));
    BitBtn3 = plat::pushButton(QStringLiteral("Revenir à la fenêtre précédente"), QStringLiteral("BitBtn3"),
                               this);
    BitBtn5 = plat::pushButton(
        QStringLiteral("Importer une liste de vocabulaire (kvtml, csv, tsv)"), QStringLiteral("BitBtn5"), this,
        QStringLiteral("Cliquez ici pour créer une fiche Tavilo à partir d'une liste de vocabulaire d'un autre "
                       "logiciel : document kvtml, tableau csv ou texte tabulé"));
    Label2 = plat::colourLabel(
        QStringLiteral("Positionnez votre souris sur un bouton pour en savoir plus à son sujet."),
        QStringLiteral("Label2"), QStringLiteral("yellow"), font, this);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(BitBtn4, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    connect(BitBtn5, &QPushButton::clicked, this, [this] { BitBtn5Click(); });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(10);
    layout->addWidget(Label1);
    layout->addSpacing(6);
    // The import sits with the other tools, but comes last in the tab order.
    for (QPushButton *b : {BitBtn1, BitBtn2, BitBtn4, BitBtn5, BitBtn3}) {
        b->setFont(font);
        b->setMinimumHeight(34);
        layout->addWidget(b);
    }
    layout->addSpacing(6);
    layout->addWidget(Label2);
    setTabOrder(BitBtn3, BitBtn5);
    setFixedSize(sizeHint().expandedTo(QSize(480, 0)));
    setEscapeAction([this] { BitBtn3Click(); });
}

void TForm15::showEvent(QShowEvent *e)
{
    plat::centreOnScreen(this);
    plat::Form::showEvent(e);
}

void TForm15::BitBtn1Click()
{
    Form1->Memo7.clear();
    plat::desktop().showMessage(QStringLiteral("Choisissez la fiche à convertir en document TI-89/92."));
    // The main window's open dialog: no filter, any file.
    const std::optional<QString> path = plat::desktop().openFile({});
    if (!path)
        return;
    try {
        Form1->Memo7.loadFromFile(*path);
    } catch (const plat::Failure &failure) {
        // The transmission window never sees a half-loaded file.
        plat::desktop().showError(failure.message());
        return;
    }
    plat::desktop().showModal(Form14);
}

void TForm15::BitBtn2Click()
{
    Form16->showMixer();
}

void TForm15::BitBtn3Click()
{
    closeWith(plat::mrNone);
}

void TForm15::BitBtn4Click()
{
    plat::Desktop &desktop = plat::desktop();
    desktop.showMessage(QStringLiteral("Choisissez quelle fiche *.cif vous voulez convertir."));
    const std::optional<QString> cifPath =
        desktop.openFile({QStringLiteral("Choix de la fiche en .cif (créée sous Linux)"),
                          QStringLiteral("Fiche Tavilo créée sous Linux|*.cif"), {}, {}, {}});
    if (!cifPath) {
        desktop.showMessage(kCancelled);
        return;
    }
    try {
        Memo1.loadFromFile(*cifPath);
    } catch (const plat::Failure &) {
        desktop.showMessage(QStringLiteral("Erreur : Impossible d'ouvrir la fiche demandée."));
        return;
    }
    Memo2.clear();
    // Too short to hold even a title and one term: the sheet would come out
    // empty, the title line lost.
    if (Memo1.count() < processing::kCifMinLines) {
        desktop.showMessage(QStringLiteral("Erreur : La fiche *.cif n'est pas valide, ou a été endommagée.\n"
                                           "Une fiche *.cif compte au moins trois lignes : le titre, puis les "
                                           "termes. Aucune fiche n'a été créée."));
        return;
    }
    desktop.showMessage(QStringLiteral("Choisissez sous quel nom vous voulez enregistrer la fiche *.fic."));
    const std::optional<QString> sheetPath =
        desktop.saveFile({{}, QStringLiteral("Fiche Tavilo !|*.fic"), {}, {}, QStringLiteral("fic")});
    if (!sheetPath) {
        desktop.showMessage(kCancelled);
        return;
    }
    Edit1 = QString::number(processing::cifColumnSplit(Memo1.count()));
    // Lines past the end of the cif file read as empty, so building cannot
    // fail on any input.
    Memo2.setLines(processing::sheetFromCif(Memo1));
    try {
        Memo2.saveToFile(*sheetPath);
    } catch (const plat::Failure &) {
        desktop.showMessage(QStringLiteral("Erreur : Impossible de sauver la fiche à l'endroit désiré."));
        return;
    }
    desktop.showMessage(QStringLiteral("La fiche a bien été convertie."));
}

void TForm15::BitBtn5Click()
{
    processing::importVocabulary(Form2->catalogueLists(), this);
}
