#include "editor/titledialog.h"

#include "editor/editorwindow.h"
#include "editor/titleline.h"
#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/failure.h"
#include "sheets/catalogue.h"
#include "sheets/titledisplay.h"
#include "sheets/titlelistbox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFor9 *For9 = nullptr;

TFor9::TFor9(QWidget *parent)
    : SheetNameForm(QStringLiteral("For9"), QStringLiteral("Modifier le titre de la fiche"),
                    QStringLiteral("Veuillez écrire ici le nouveau titre :"),
                    QStringLiteral("Veuillez entrer quelques informations sur la fiche :"), parent)
{
    // Black on black: present, never seen.
    Label4 = new QLabel(QStringLiteral("Ancien nom"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setStyleSheet(QStringLiteral("color: black;"));

    const QString hint = QStringLiteral("Cliquez ici pour ajouter un terme de vocabulaire.");
    BitBtn1 = plat::pushButton(QStringLiteral("Enregistrer le nouveau titre de la fiche"), QStringLiteral("BitBtn1"),
                               this, hint);
    BitBtn1->setDefault(true);
    BitBtn2 = plat::pushButton(QStringLiteral("Annuler"), QStringLiteral("BitBtn2"), this, hint);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    layOutRows(Label4)->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    setEscapeAction([this] { BitBtn2Click(); });
}

void TFor9::FormActivate()
{
    if (m_refusing)
        return;
    const int i = sheets::selectedRow(Form2->ListBox1);
    if (i < 0) {
        m_refusing = true;
        plat::desktop().showMessage(
            QStringLiteral("Veuillez double-cliquer sur une fiche dans la liste pour modifier son titre."));
        closeWith(plat::mrCancel);
        m_refusing = false;
        return;
    }
    const editor::TitleEntries entries = editor::titleEntries(Form2->ListBox1->item(i)->text());
    Edit1->setText(entries.name);
    Edit2->setText(entries.information);
}

void TFor9::BitBtn1Click()
{
    const QString name = Edit1->text();
    const QString information = Edit2->text();
    const QString title = editor::renamedTitle(name, information);
    const int i = sheets::selectedRow(Form2->ListBox1);
    // The title shown is that of the selected entry: its sheet is the one
    // renamed, even when the editor still holds a sheet removed meanwhile.
    if (i >= 0 && i != Form2->sheetRow())
        Form2->ListBox1Click();

    // A sheet whose file cannot be read is never replaced by a title line
    // alone; the user is told why nothing changes.
    if (!Form2->sheetWritable()) {
        closeWith(plat::mrCancel);
        return;
    }
    // The file is written before the lists change, so a failure leaves the
    // lists and the sheet as they were. A sheet whose file is not there is
    // written afresh with its new title.
    const bool recreating = Form2->heldSheet().state() != editor::HeldSheet::State::Loaded;
    plat::PackedLines lines = Form2->ListBox5;
    lines.replaceLine(0, title);
    try {
        if (!Form2->writeSheetFile(lines.toText())) {
            closeWith(plat::mrCancel);
            return;
        }
    } catch (const plat::Failure &failure) {
        if (recreating) {
            // Nothing of the user's was there to damage: the reason is enough.
            plat::desktop().showError(failure.message());
            closeWith(plat::mrCancel);
            return;
        }
        giveUp({QStringLiteral("Tavilo a rencontré une erreur inattendue. Il se pourrait que la fiche soit endommagée. "),
                QStringLiteral("Ceci est une procédure de secours, veuillez prendre des notes sur ce qui suit."),
                QStringLiteral("Si c'était le cas, veuillez ouvrir directement à partir de Windows la fiche dont voulez changer"),
                QStringLiteral("le titre dans le Bloc-notes (aussi appelé Notepad), modifiez le titre, puis enregistrez."),
                QStringLiteral("Tavilo va maintenant être arrêté.")});
        return;
    }
    Form2->ListBox5 = lines;
    Form2->Memo1 = lines;

    sheets::replaceTitle(Form2->catalogueLists(), i, title);
    // The renamed sheet stays chosen, so that term edits go on saving it.
    sheets::selectRow(Form2->ListBox1, i);

    Form2->Label2Caption = sheets::kProcessedPrefix + editor::newSheetTitle(name, information);
    Form2->setMemo2(Form2->Label2Caption);
    closeWith(plat::mrOk);
}

void TFor9::BitBtn2Click()
{
    closeWith(plat::mrCancel);
}
