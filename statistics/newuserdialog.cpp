#include "statistics/newuserdialog.h"

#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/failure.h"
#include "statistics/statisticswindow.h"
#include "statistics/userfile.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFor9b *For9b = nullptr;

TFor9b::TFor9b(QWidget *parent) : plat::Form(QStringLiteral("For9b"), parent)
{
    setWindowTitle(QStringLiteral("Nouvel utilisateur"));
    // The close box and Escape give up the new user; nothing is written then.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setColours(Qt::black, Qt::white);
    const QFont font = plat::pixelFont(QStringLiteral("Arial"), 13, true);

    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(16, 12, 16, 12);
    Label1 = plat::colourLabel(QStringLiteral("Veuillez écrire ici le nom du nouvel utilisateur :"),
                               QStringLiteral("Label1"), QStringLiteral("white"), font, this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label2 = plat::colourLabel(QStringLiteral("Veuillez entrer le nom de la société de l'utilisateur :"),
                               QStringLiteral("Label2"), QStringLiteral("white"), font, this);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    BitBtn1 = plat::pushButton(QStringLiteral("Enregistrer le nouvel utilisateur"), QStringLiteral("BitBtn1"),
                               this, QStringLiteral("Cliquez ici pour ajouter un nouvel utilisateur."));
    BitBtn1->setFont(font);
    BitBtn1->setDefault(true);
    box->addWidget(Label1);
    box->addWidget(Edit1);
    box->addSpacing(8);
    box->addWidget(Label2);
    box->addWidget(Edit2);
    box->addSpacing(12);
    box->addWidget(BitBtn1, 0, Qt::AlignHCenter);
    setFixedSize(460, 190);

    connect(BitBtn1, &QPushButton::clicked, this, &TFor9b::BitBtn1Click);
    // Enter in a field presses the default button.
    connect(Edit1, &QLineEdit::returnPressed, this, &TFor9b::BitBtn1Click);
    connect(Edit2, &QLineEdit::returnPressed, this, &TFor9b::BitBtn1Click);
    setEscapeAction([this] { cancel(); });
}

void TFor9b::cancel()
{
    closeWith(plat::mrCancel);
}

bool TFor9b::showNew()
{
    // A new user starts from blank fields, not from the previous one's name.
    Edit1->clear();
    Edit2->clear();
    Edit1->setFocus();
    m_added = false;
    plat::desktop().showModal(this);
    return m_added;
}

void TFor9b::BitBtn1Click()
{
    plat::desktop().showMessage(
        QStringLiteral("Choisissez le nom du fichier dans lequel seront stockées les statistiques utilisateur."));
    plat::FileRequest request;
    request.title = QStringLiteral("Fichier des statistiques du nouvel utilisateur");
    request.filter = statistics::kUserFileFilter;
    request.defaultExt = statistics::kUserFileExtension;
    const std::optional<QString> path = plat::desktop().saveFile(request);
    if (!path)
        return;
    try {
        statistics::UserFileText userFile = statistics::newUserFile(Edit1->text(), Edit2->text());
        userFile.saveToFile(*path);
        For2->setMemo1(std::move(userFile));
        For2->appendUser(*path);
        m_added = true;
        For2->saveUserList();
    } catch (const plat::Failure &) {
        plat::desktop().showMessage(QStringLiteral("Erreur : le nouvel utilisateur n'a pas pu être enregistré."));
        plat::desktop().showMessage(QStringLiteral("Contactez votre distributeur d'Tavilo pour plus d'informations."));
    }
    closeWith(plat::mrOk);
}

void TFor9b::showEvent(QShowEvent *e)
{
    plat::centreOnScreen(this);
    plat::Form::showEvent(e);
}

void TFor9b::closeEvent(QCloseEvent *e)
{
    // The close box: the same as Escape.
    cancel();
    e->accept();
}
