#include "editor/namingdialog.h"

#include "app/mainwindow.h"
#include "editor/editorwindow.h"
#include "editor/titleline.h"
#include "learning/learningwindow.h"
#include "platform/desktop.h"
#include "platform/failure.h"
#include "platform/fileio.h"
#include "sheets/catalogue.h"
#include "testing/testwindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TForm9 *Form9 = nullptr;

namespace {

QLabel *promptLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: white; font-family: Arial; font-size: 12px; font-weight: bold;"));
    return label;
}

QLabel *exampleLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: yellow; font-family: Arial; font-size: 10px;"));
    return label;
}

} // namespace

TForm9::TForm9(QWidget *parent) : plat::Form(QStringLiteral("Form9"), parent)
{
    setWindowTitle(QStringLiteral("Nom de la fiche..."));
    // The dialog ends through its save button only: no title-bar buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(374, 214);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);

    Label1 = promptLabel(QStringLiteral("Veuillez écrire ici le nom de la nouvelle fiche créée :"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setToolTip(QStringLiteral("Différentes listes de vocabulaire disponibles."));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label11 = exampleLabel(QStringLiteral("Exemple : Verbes prépositionnels - Anglais"), this);
    Label11->setObjectName(QStringLiteral("Label11"));
    Label2 = promptLabel(QStringLiteral("Veuillez entrer quelques informations sur cette fiche :"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Label3 = exampleLabel(
        QStringLiteral("Exemple : Saisie par Claire Dumas le 14/09/2001 - version 1.2"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    BitBtn1 = new QPushButton(QStringLiteral("Enregistrer la nouvelle fiche"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setToolTip(QStringLiteral("Cliquez ici pour ajouter un terme de vocabulaire."));
    BitBtn1->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 10);
    layout->setSpacing(2);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);
    layout->addWidget(Label11);
    layout->addSpacing(6);
    layout->addWidget(Label2);
    layout->addWidget(Edit2);
    layout->addWidget(Label3);
    layout->addStretch(1);
    layout->addWidget(BitBtn1, 0, Qt::AlignHCenter);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    // ENTER in either entry saves, as the default button does.
    connect(Edit1, &QLineEdit::returnPressed, this, [this] { BitBtn1Click(); });
    connect(Edit2, &QLineEdit::returnPressed, this, [this] { BitBtn1Click(); });
}

void TForm9::showEvent(QShowEvent *e)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    plat::Form::showEvent(e);
}

namespace {

// Writes the new sheet, then the catalogue that names it. Throws
// plat::Failure; the disk is then as it was before: a failed catalogue write
// takes the new sheet back, and puts back the file it replaced.
void writeNewSheet(const QString &sheetPath, const plat::LineList &sheet,
                   const plat::LineList &catalogue)
{
    const bool existed = plat::fileExists(sheetPath);
    std::optional<QByteArray> replaced;
    if (existed) {
        try {
            replaced = plat::readFileBytes(sheetPath);
        } catch (const plat::Failure &) {
            // Unreadable: it can be replaced, not restored.
        }
    }
    sheet.saveToFile(sheetPath);
    try {
        catalogue.saveToFile(sheets::catalogueFile());
    } catch (const plat::Failure &) {
        if (!existed) {
            plat::deleteFile(sheetPath);
        } else if (replaced) {
            try {
                plat::writeFile(sheetPath, *replaced);
            } catch (const plat::Failure &) {
            }
        }
        throw;
    }
}

} // namespace

void TForm9::BitBtn1Click()
{
    const QString title = editor::newSheetTitle(Edit1->text(), Edit2->text());
    const QString sheetPath = Form2->SaveDialog1FileName;
    ListBox1.clear();
    ListBox1.append(title);
    plat::LineList catalogue = Form1->ListBox1;
    catalogue.append(sheetPath);
    // Both files are written before any list changes, so that a failure
    // leaves the title lists aligned with the catalogue.
    try {
        writeNewSheet(sheetPath, ListBox1, catalogue);
    } catch (const plat::Failure &) {
        for (const QString &message :
             {QStringLiteral("Tavilo a rencontré une erreur inattendue. Il se pourrait que la nouvelle fiche ait mal été créée. "),
              QStringLiteral("Ceci est une procédure de secours, veuillez prendre des notes sur ce qui suit."),
              QStringLiteral("Si c'était le cas, veuillez créer directement à partir de Windows un fichier se terminant par *.fic."),
              QStringLiteral("Ouvrez-le dans le Bloc-notes (aussi appelé Notepad) et mettez un titre dans la première ligne puis enregistrez et ajoutez la fiche ainsi créée dans la liste des fiches."),
              QStringLiteral("Tavilo ! va maintenant être arrêté.")})
            plat::desktop().showMessage(message);
        plat::desktop().terminate();
        closeWith(plat::mrAbort);
        return;
    }
    Form2->Memo1 = ListBox1;
    for (QListWidget *list :
         std::initializer_list<QListWidget *>{Form2->ListBox1, Form3->ListBox1, Form4->ListBox1})
        list->addItem(title);
    Form1->ListBox1 = std::move(catalogue);
    closeWith(plat::mrOk);
}
