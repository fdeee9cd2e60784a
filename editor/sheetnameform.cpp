#include "editor/sheetnameform.h"

#include "platform/desktop.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QLabel *styledLabel(const QString &text, const QString &name, const QString &style, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setStyleSheet(style);
    label->setObjectName(name);
    return label;
}

QLabel *promptLabel(const QString &text, const QString &name, QWidget *parent)
{
    return styledLabel(text, name,
                       QStringLiteral("color: white; font-family: Arial; font-size: 12px; font-weight: bold;"),
                       parent);
}

QLabel *exampleLabel(const QString &text, const QString &name, QWidget *parent)
{
    return styledLabel(text, name, QStringLiteral("color: yellow; font-family: Arial; font-size: 10px;"), parent);
}

QLineEdit *entry(const QString &name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

} // namespace

SheetNameForm::SheetNameForm(const QString &name, const QString &title, const QString &namePrompt,
                             const QString &informationPrompt, QWidget *parent)
    : plat::Form(name, parent)
{
    setWindowTitle(title);
    // No title-bar buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(374, 214);
    setColours(Qt::black);

    Label1 = promptLabel(namePrompt, QStringLiteral("Label1"), this);
    Edit1 = entry(QStringLiteral("Edit1"), this);
    Label11 = exampleLabel(QStringLiteral("Exemple : Verbes prépositionnels - Anglais"), QStringLiteral("Label11"),
                           this);
    Label2 = promptLabel(informationPrompt, QStringLiteral("Label2"), this);
    Edit2 = entry(QStringLiteral("Edit2"), this);
    Label3 = exampleLabel(QStringLiteral("Exemple : Saisie par Claire Dumas le 14/09/2001 - version 1.2"),
                          QStringLiteral("Label3"), this);

    connect(Edit1, &QLineEdit::returnPressed, this, [this] { BitBtn1Click(); });
    connect(Edit2, &QLineEdit::returnPressed, this, [this] { BitBtn1Click(); });
}

QVBoxLayout *SheetNameForm::layOutRows(QWidget *besideNameExample)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 10);
    layout->setSpacing(2);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);
    if (besideNameExample) {
        auto *nameExample = new QHBoxLayout;
        nameExample->addWidget(Label11, 1);
        nameExample->addWidget(besideNameExample);
        layout->addLayout(nameExample);
    } else {
        layout->addWidget(Label11);
    }
    layout->addSpacing(6);
    layout->addWidget(Label2);
    layout->addWidget(Edit2);
    layout->addWidget(Label3);
    layout->addStretch(1);
    return layout;
}

void SheetNameForm::giveUp(std::initializer_list<QString> notes)
{
    for (const QString &note : notes)
        plat::desktop().showMessage(note);
    plat::desktop().terminate();
    closeWith(plat::mrAbort);
}

void SheetNameForm::showEvent(QShowEvent *e)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    plat::Form::showEvent(e);
}
