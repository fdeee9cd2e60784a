#include "editor/namingdialog.h"

#include "app/mainwindow.h"
#include "editor/editorwindow.h"
#include "editor/titleline.h"
#include "learning/learningwindow.h"
#include "platform/controls.h"
#include "platform/failure.h"
#include "platform/fileio.h"
#include "sheets/catalogue.h"
#include "testing/testwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TForm9 *Form9 = nullptr;

TForm9::TForm9(QWidget *parent)
    : SheetNameForm(QStringLiteral("Form9"), QStringLiteral("Nom de la fiche..."),
                    QStringLiteral("Veuillez écrire ici le nom de la nouvelle fiche créée :"),
                    QStringLiteral("Veuillez entrer quelques informations sur cette fiche :"), parent)
{
    Label1->setToolTip(QStringLiteral("Différentes listes de vocabulaire disponibles."));
    BitBtn1 = plat::pushButton(QStringLiteral("Enregistrer la nouvelle fiche"), QStringLiteral("BitBtn1"), this,
                               QStringLiteral("Cliquez ici pour ajouter un terme de vocabulaire."));
    BitBtn1->setDefault(true);

    layOutRows()->addWidget(BitBtn1, 0, Qt::AlignHCenter);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    // The dialog has no cancel button; Escape gives up the new sheet before
    // anything is written, and the editor stays as it was.
    setEscapeAction([this] { closeWith(plat::mrCancel); });
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
        giveUp({QStringLiteral("Tavilo a rencontré une erreur inattendue. Il se pourrait que la nouvelle fiche ait mal été créée. "),
                QStringLiteral("Ceci est une procédure de secours, veuillez prendre des notes sur ce qui suit."),
                QStringLiteral("Si c'était le cas, veuillez créer directement à partir de Windows un fichier se terminant par *.fic."),
                QStringLiteral("Ouvrez-le dans le Bloc-notes (aussi appelé Notepad) et mettez un titre dans la première ligne puis enregistrez et ajoutez la fiche ainsi créée dans la liste des fiches."),
                QStringLiteral("Tavilo ! va maintenant être arrêté.")});
        return;
    }
    Form2->Memo1 = plat::PackedLines(ListBox1.lines());
    for (QListWidget *list :
         std::initializer_list<QListWidget *>{Form2->ListBox1, Form3->ListBox1, Form4->ListBox1})
        list->addItem(title);
    Form1->ListBox1 = std::move(catalogue);
    closeWith(plat::mrOk);
}
