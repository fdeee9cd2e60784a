#include "setup/welcomewindow.h"

#include "app/mainwindow.h"
#include "app/settings.h"
#include "help/aboutwindow.h"
#include "help/artwork.h"
#include "help/helplauncher.h"
#include "help/licenceholder.h"
#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/failure.h"
#include "platform/linelist.h"
#include "platform/system.h"
#include "setup/firstrun.h"
#include "sheets/catalogue.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFor8 *For8 = nullptr;

TFor8::TFor8(QWidget *parent) : plat::Form(QStringLiteral("For8"), parent)
{
    setWindowTitle(QStringLiteral("Bienvenue !"));
    resize(398, 285);
    setColours(Qt::black);

    Label4 = plat::colourLabel(QStringLiteral("Bienvenue !"), QStringLiteral("Label4"), QStringLiteral("#2f7bff"),
                               QFont(QStringLiteral("Arial"), 24, QFont::Bold), this);

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(artwork::makerLogo(56));
    Image2->setToolTip(QStringLiteral("Orsiva, logiciels éducatifs libres"));

    Memo1 = new QLabel(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setText(QStringLiteral(
        "Félicitations ! Vous venez de télécharger Orsiva Tavilo, qui vous deviendra vite "
        "indispensable pour apprendre n'importe quelle liste : vocabulaire étranger, numéros de "
        "téléphone, formules...\n\n"
        "Vos remarques et vos suggestions sont les bienvenues sur le site d'Orsiva, où vous "
        "trouverez aussi de nouvelles fiches à télécharger, souvent mises à jour."));
    Memo1->setWordWrap(true);
    Memo1->setAlignment(Qt::AlignCenter);
    QFont bold(QStringLiteral("Arial"));
    bold.setPointSize(9);
    bold.setBold(true);
    Memo1->setFont(bold);
    Memo1->setStyleSheet(QStringLiteral("color: #00ffff;"));

    BitBtn1 = plat::pushButton(QStringLiteral("Utiliser Orsiva Tavilo"), QStringLiteral("BitBtn1"), this);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    auto *top = new QHBoxLayout;
    top->addWidget(Label4, 1, Qt::AlignVCenter);
    top->addWidget(Image2, 0, Qt::AlignVCenter);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(BitBtn1);
    bottom->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 10, 16, 14);
    layout->addLayout(top);
    layout->addWidget(Memo1, 1);
    layout->addLayout(bottom);
}

void TFor8::BitBtn1Click()
{
    Form5->premier = QStringLiteral("5");
    try {
        Form8->ListBox1.setLines(firstrun::defaultSettings(plat::system().now()));
        Form8->ListBox1.saveToFile(settings::kPath);
        Form1->Memo6.loadFromFile(settings::kPath);

        // The catalogue is only read when it exists. One that lists nothing
        // gets the sample sheets, so that there is something to learn at once.
        plat::LineList &catalogue = Form1->ListBox1;
        bool read = true;
        try {
            catalogue.loadFromFile(sheets::catalogueFile());
        } catch (const plat::Failure &) {
            read = false;
        }
        if (!read || catalogue.isEmpty()) {
            catalogue.setLines(firstrun::installSampleSheets());
            catalogue.saveToFile(sheets::catalogueFile());
        }

        // A scratch buffer, so the catalogue list keeps what the catalogue holds.
        plat::LineList users;
        try {
            users.loadFromFile(firstrun::kUserListPath);
        } catch (const plat::Failure &) {
            users.saveToFile(firstrun::kUserListPath);
        }
        // The help and its viewer, so that the help buttons work from the start.
        helplauncher::installHelp();
    } catch (const plat::Failure &failure) {
        plat::desktop().showError(failure.message());
        return;
    }
    plat::desktop().show(Form5);
    // Hidden rather than closed: closing is declining the first run.
    closeWith(plat::mrOk);
}

void TFor8::closeEvent(QCloseEvent *event)
{
    // Without a first run there are no settings to work with, and the
    // start-up window would stay held with nothing to release it: the program
    // ends as it ends from the main window, having written nothing.
    event->accept();
    hide();
    Form1->FormClose();
}
