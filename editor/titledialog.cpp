#include "editor/titledialog.h"

#include "editor/editorwindow.h"
#include "editor/titleline.h"
#include "platform/desktop.h"
#include "platform/failure.h"
#include "sheets/catalogue.h"
#include "sheets/titlelistbox.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TFor9 *For9 = nullptr;

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

TFor9::TFor9(QWidget *parent) : plat::Form(QStringLiteral("For9"), parent)
{
    setWindowTitle(QStringLiteral("Modifier le titre de la fiche"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(374, 214);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);

    Label1 = promptLabel(QStringLiteral("Veuillez écrire ici le nouveau titre :"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label11 = exampleLabel(QStringLiteral("Exemple : Verbes prépositionnels - Anglais"), this);
    Label11->setObjectName(QStringLiteral("Label11"));
    Label2 = promptLabel(QStringLiteral("Veuillez entrer quelques informations sur la fiche :"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Label3 = exampleLabel(
        QStringLiteral("Exemple : Saisie par Claire Dumas le 14/09/2001 - version 1.2"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    // Black on black: present, never seen.
    Label4 = new QLabel(QStringLiteral("Ancien nom"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setStyleSheet(QStringLiteral("color: black;"));

    const QString hint = QStringLiteral("Cliquez ici pour ajouter un terme de vocabulaire.");
    BitBtn1 = new QPushButton(QStringLiteral("Enregistrer le nouveau titre de la fiche"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setToolTip(hint);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("Annuler"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setToolTip(hint);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 10);
    layout->setSpacing(2);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);
    auto *nameExample = new QHBoxLayout;
    nameExample->addWidget(Label11, 1);
    nameExample->addWidget(Label4);
    layout->addLayout(nameExample);
    layout->addSpacing(6);
    layout->addWidget(Label2);
    layout->addWidget(Edit2);
    layout->addWidget(Label3);
    layout->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    layout->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    // ENTER in either entry saves: the save button comes first.
    connect(Edit1, &QLineEdit::returnPressed, this, [this] { BitBtn1Click(); });
    connect(Edit2, &QLineEdit::returnPressed, this, [this] { BitBtn1Click(); });
}

void TFor9::showEvent(QShowEvent *e)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    plat::Form::showEvent(e);
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

    // The file is written before the lists change, so a failure leaves the
    // lists and the sheet as they were.
    plat::LineList lines = Form2->ListBox5;
    try {
        // A sheet that failed to load has no lines of its own in the editor:
        // its file is read now, so that a sheet that cannot be read is never
        // replaced by a title line alone.
        if (!Form2->sheetLoaded())
            lines.loadFromFile(Form2->Label6);
        lines.replaceLine(0, title);
        lines.saveToFile(Form2->Label6);
    } catch (const plat::Failure &) {
        for (const QString &message :
             {QStringLiteral("Tavilo a rencontré une erreur inattendue. Il se pourrait que la fiche soit endommagée. "),
              QStringLiteral("Ceci est une procédure de secours, veuillez prendre des notes sur ce qui suit."),
              QStringLiteral("Si c'était le cas, veuillez ouvrir directement à partir de Windows la fiche dont voulez changer"),
              QStringLiteral("le titre dans le Bloc-notes (aussi appelé Notepad), modifiez le titre, puis enregistrez."),
              QStringLiteral("Tavilo va maintenant être arrêté.")})
            plat::desktop().showMessage(message);
        plat::desktop().terminate();
        closeWith(plat::mrAbort);
        return;
    }
    Form2->ListBox5 = lines;
    Form2->Memo1 = lines;

    sheets::replaceTitle(Form2->catalogueLists(), i, title);
    // The renamed sheet stays chosen, so that term edits go on saving it.
    sheets::selectRow(Form2->ListBox1, i);

    Form2->Label2Caption = QStringLiteral("Fiche traitée : ") + editor::newSheetTitle(name, information);
    Form2->setMemo2(Form2->Label2Caption);
    closeWith(plat::mrOk);
}

void TFor9::BitBtn2Click()
{
    closeWith(plat::mrCancel);
}
