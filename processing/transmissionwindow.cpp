#include "processing/transmissionwindow.h"

#include "app/mainwindow.h"
#include "platform/controls.h"
#include "processing/sheetprocessing.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

TForm14 *Form14 = nullptr;

TForm14::TForm14(QWidget *parent) : plat::Form(QStringLiteral("Form14"), parent)
{
    setWindowTitle(QStringLiteral("Transmission de fiche à une TI 89/92"));
    setColours(Qt::black, Qt::white);

    const QFont font = plat::pixelFont(QStringLiteral("Arial"), 12);
    auto label = [&](const QString &text, const QString &name) {
        QLabel *l = plat::colourLabel(text, name, QStringLiteral("white"), font, this);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return l;
    };
    Label1 = label(QStringLiteral("Sélectionnez le texte ci-dessous, puis faîtes Copier ; Exécutez le programme "
                                  "du TI-Graph Link."),
                   QStringLiteral("Label1"));
    Label2 = label(QStringLiteral("Choisissez-y le menu File, New, New Program File, OK, et collez dans la "
                                  "fenêtre de texte qui."),
                   QStringLiteral("Label2"));
    Label3 = label(QStringLiteral("apparaît sur l'écran, entre 'Prgm' et 'EndPrgm'. Appelez votre programme "
                                  "'untitled'."),
                   QStringLiteral("Label3"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    // The text of a whole sheet, however long: a line edit keeps only
    // 32767 characters unless told otherwise.
    Edit1->setMaxLength(std::numeric_limits<int>::max());
    Edit1->setFont(plat::pixelFont(QStringLiteral("Courier New"), 13));
    // Room inside the frame, so that the text and its highlight stop short of
    // the field's edges instead of running into them.
    Edit1->setTextMargins(6, 3, 6, 3);
    Edit1->setMinimumHeight(QFontMetrics(Edit1->font()).height() + 16);
    Label4 = label(QStringLiteral("Appuyez ensuite sur le bouton 'Send'. Sur votre calculatrice, exécutez le "
                                  "programme 'untitled()'"),
                   QStringLiteral("Label4"));
    Label5 = label(QStringLiteral("La liste de vocabulaire est maintenant disponible dans 'main\\fiche'."),
                   QStringLiteral("Label5"));
    BitBtn4 = plat::pushButton(QStringLiteral("Quitter"), QStringLiteral("BitBtn4"), this);
    connect(BitBtn4, &QPushButton::clicked, this, [this] { BitBtn4Click(); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn4);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(6);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(Label3);
    layout->addWidget(Edit1);
    layout->addWidget(Label4);
    layout->addWidget(Label5);
    layout->addStretch();
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(490, 233)));
    setEscapeAction([this] { BitBtn4Click(); });
}

void TForm14::showEvent(QShowEvent *e)
{
    plat::centreOnScreen(this);
    plat::Form::showEvent(e);
}

void TForm14::FormActivate()
{
    const QString text = processing::calculatorText(Form1->Memo7.lines());
    Edit1->setText(text);
    // Selected whole and shown from its start: the user copies it at once.
    Edit1->setSelection(int(text.size()), -int(text.size()));
    Edit1->setFocus();
}

void TForm14::BitBtn4Click()
{
    closeWith(plat::mrNone);
}
