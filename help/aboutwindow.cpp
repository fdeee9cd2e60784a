#include "help/aboutwindow.h"

#include "app/clicklabel.h"
#include "app/mainwindow.h"
#include "app/settings.h"
#include "app/startupwindow.h"
#include "help/artwork.h"
#include "help/licencewindow.h"
#include "platform/controls.h"
#include "platform/desktop.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

TForm5 *Form5 = nullptr;

namespace {
constexpr int kWidth = 626;
constexpr int kHeight = 406;
constexpr int kHeaderHeight = 110;
} // namespace

TForm5::TForm5(QWidget *parent) : plat::Form(QStringLiteral("Form5"), parent)
{
    setWindowTitle(QStringLiteral("A propos d'Tavilo"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(kWidth, kHeight);
    setColours(Qt::white, Qt::black);

    Image3 = new ClickLabel(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setPixmap(artwork::productHeader(QSize(kWidth, kHeaderHeight)));
    Image3->setFixedSize(kWidth, kHeaderHeight);
    Image3->setCursor(Qt::WhatsThisCursor);
    Image3->setToolTip(QStringLiteral("Aide complète sur Tavilo"));
    connect(Image3, &ClickLabel::clicked, this, [this] { Image3Click(); });

    Label2 = new QLabel(QStringLiteral("Version 3.3.3"), Image3);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setStyleSheet(QStringLiteral("color: white; font-size: 8pt;"));
    Label2->adjustSize();
    Label2->move(kWidth - Label2->width() - 8, kHeaderHeight - Label2->height() - 4);

    // An area that shows nothing: only the cursor tells it is there.
    Image5 = new ClickLabel(this);
    Image5->setObjectName(QStringLiteral("Image5"));
    Image5->setGeometry(0, kHeaderHeight, 40, 40);
    Image5->setCursor(Qt::WhatsThisCursor);
    connect(Image5, &ClickLabel::clicked, this, [this] { Image5Click(); });

    Label3 = new QLabel(QStringLiteral("Utilisateur : "), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Edit1 = new QLineEdit(QStringLiteral("Anonyme"), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label4 = new QLabel(QStringLiteral("Société : "), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Edit2 = new QLineEdit(QStringLiteral("Société Anonyme"), this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    // A name of any length is held whole: a field that cut it would write
    // the cut text back into the settings file at once.
    for (QLineEdit *field : {Edit1, Edit2})
        field->setMaxLength(std::numeric_limits<int>::max());
    // Connected after the design texts are set, as the change handlers save.
    connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
    connect(Edit2, &QLineEdit::textChanged, this, [this] { Edit2Change(); });

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(artwork::makerLogo(72));
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(artwork::makerLogo(40));
    Image4 = new QLabel(this);
    Image4->setObjectName(QStringLiteral("Image4"));
    Image4->setPixmap(artwork::makerSignature(QSize(190, 44)));
    // The maker's web address, under the logos; it can be selected and copied.
    webAddress = new QLabel(mainwindow::kProductPage, this);
    webAddress->setObjectName(QStringLiteral("webAddress"));
    webAddress->setStyleSheet(QStringLiteral("color: #1f4fa8;"));
    webAddress->setTextInteractionFlags(Qt::TextSelectableByMouse);

    Memo2 = new QLabel(QStringLiteral("Using the Past to Anticipate the Future...\n"
                                      "(Utiliser le Passé pour Prévoir le Futur...)"),
                       this);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setAlignment(Qt::AlignCenter);
    Memo2->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont quote(QStringLiteral("Times New Roman"));
    quote.setPointSize(11);
    quote.setItalic(true);
    Memo2->setFont(quote);

    BitBtn1 = plat::pushButton(QStringLiteral("Lire la licence"), QStringLiteral("BitBtn1"), this);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    Quitter = plat::pushButton(QStringLiteral("Quitter"), QStringLiteral("Quitter"), this);
    Quitter->setDefault(true);
    connect(Quitter, &QPushButton::clicked, this, [this] { QuitterClick(); });
    setEscapeAction([this] { QuitterClick(); });

    auto *fields = new QGridLayout;
    fields->addWidget(Label3, 0, 0, Qt::AlignRight);
    fields->addWidget(Edit1, 0, 1);
    fields->addWidget(Label4, 1, 0, Qt::AlignRight);
    fields->addWidget(Edit2, 1, 1);
    fields->setColumnStretch(1, 1);

    auto *logos = new QHBoxLayout;
    logos->addStretch();
    logos->addWidget(Image1, 0, Qt::AlignVCenter);
    logos->addWidget(Image2, 0, Qt::AlignBottom);
    logos->addStretch();
    auto *maker = new QVBoxLayout;
    maker->addLayout(logos);
    maker->addWidget(Image4, 0, Qt::AlignHCenter);
    maker->addWidget(webAddress, 0, Qt::AlignHCenter);

    auto *middle = new QHBoxLayout;
    middle->setContentsMargins(48, 0, 24, 0);
    middle->addLayout(fields, 3);
    middle->addSpacing(24);
    middle->addLayout(maker, 2);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(24, 0, 24, 0);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(Quitter);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 16);
    layout->addWidget(Image3);
    layout->addSpacing(16);
    layout->addLayout(middle);
    layout->addStretch();
    layout->addWidget(Memo2);
    layout->addStretch();
    layout->addLayout(buttons);
    Image5->raise();
}

void TForm5::FormActivate()
{
    // Each assignment that changes a field runs its change handler, which
    // writes the same text back to the settings file.
    Edit1->setText(Form1->Memo6.memoLine(settings::UserName));
    Edit2->setText(Form1->Memo6.memoLine(settings::Company));
}

void TForm5::Edit1Change()
{
    settings::writeLine(Form1->Memo6, settings::UserName, Edit1->text());
}

void TForm5::Edit2Change()
{
    settings::writeLine(Form1->Memo6, settings::Company, Edit2->text());
}

void TForm5::BitBtn1Click()
{
    plat::desktop().showModal(Form10);
}

void TForm5::endFirstRun()
{
    if (premier != QLatin1String("5"))
        return;
    premier = QStringLiteral("4846");
    Form7->rearm();
}

void TForm5::QuitterClick()
{
    endFirstRun();
    closeWith(plat::mrNone);
}

void TForm5::FormClose()
{
    // Closing by the title bar during a first run ends it too; otherwise the
    // start-up window would stay held with no timer to release it.
    endFirstRun();
}

void TForm5::closeEvent(QCloseEvent *event)
{
    FormClose();
    plat::Form::closeEvent(event);
}

void TForm5::keyPressEvent(QKeyEvent *event)
{
    // "Quitter" is the default button: Enter typed in a field presses it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Quitter->click();
        return;
    }
    plat::Form::keyPressEvent(event);
}

void TForm5::Image3Click()
{
    Form1->BitBtn6Click();
}

void TForm5::Image5Click()
{
    Form1->BitBtn6Click();
}
