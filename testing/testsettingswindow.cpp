#include "testing/testsettingswindow.h"

#include "app/mainwindow.h"
#include "app/settings.h"
#include "platform/controls.h"
#include "platform/desktop.h"
#include "testing/testcycle.h"
#include "testing/testwindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

TForm12 *Form12 = nullptr;

namespace {

const char *kYellow = "#ffe14d";

} // namespace

TForm12::TForm12(QWidget *parent) : plat::Form(QStringLiteral("Form12"), parent)
{
    setWindowTitle(QStringLiteral("Paramètres de la fenêtre de test"));
    resize(361, 274);
    setColours(Qt::black, Qt::white);

    auto *box = new QVBoxLayout(this);
    Label4 = new QLabel(QStringLiteral("Intervalle de temps : 20 sec"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setToolTip(QStringLiteral("Intervalle de temps entre deux termes à apprendre."));
    TrackBar1 = plat::trackBar(QStringLiteral("TrackBar1"), 3, 100, 20, this);
    TrackBar1->setToolTip(QStringLiteral("Déplacez la petite barre pour faire varier l'intervalle de temps "
                                         "entre deux termes"));
    Label11 = plat::colourLabel(QStringLiteral("Astuce : Pour changer en utilisant le clavier, appuyez sur 'Page"),
                                QStringLiteral("Label11"), QLatin1String(kYellow), this);
    Label9 = plat::colourLabel(QStringLiteral("Précédente' ou 'Page Suivante'."), QStringLiteral("Label9"),
                               QLatin1String(kYellow), this);
    box->addWidget(Label4);
    box->addWidget(TrackBar1);
    box->addWidget(Label11);
    box->addWidget(Label9);

    auto *grid = new QGridLayout;
    Label5 = new QLabel(QStringLiteral("Terme à traduire :"), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setToolTip(QStringLiteral("Terme que vous verrez en premier lors du test"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems({QStringLiteral("Terme étranger"), quiz::kFrenchShown});
    ComboBox1->setCurrentText(quiz::kFrenchShown);
    grid->addWidget(Label5, 0, 0);
    grid->addWidget(ComboBox1, 0, 1);
    Label1 = new QLabel(QStringLiteral("Police de caractère :"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    BitBtn2 = plat::pushButton(QStringLiteral("Terme à traduire"), QStringLiteral("BitBtn2"), this,
                     QStringLiteral("Cliquez sur ce bouton pour changer la police de caractère du terme à traduire"));
    BitBtn3 = plat::pushButton(QStringLiteral("Terme entré par l'utilisateur"), QStringLiteral("BitBtn3"), this,
                     QStringLiteral("Cliquez sur ce bouton pour changer la police de caractère du terme que vous "
                                    "entrez"));
    grid->addWidget(Label1, 1, 0, 1, 2);
    grid->addWidget(BitBtn2, 2, 0);
    grid->addWidget(BitBtn3, 2, 1);
    box->addLayout(grid);
    box->addStretch();

    auto *closing = new QHBoxLayout;
    BitBtn1 = plat::pushButton(QStringLiteral("Appliquer les paramètres"), QStringLiteral("BitBtn1"), this);
    BitBtn6 = plat::pushButton(QStringLiteral("Annuler"), QStringLiteral("BitBtn6"), this);
    closing->addWidget(BitBtn1);
    closing->addWidget(BitBtn6);
    box->addLayout(closing);

    QFont dialogFont = plat::pixelFont(QStringLiteral("Times New Roman"), 21);
    FontDialog1 = dialogFont;

    connect(TrackBar1, &QSlider::valueChanged, this, &TForm12::TrackBar1Change);
    connect(ComboBox1, &QComboBox::currentTextChanged, this, &TForm12::ComboBox1Change);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm12::BitBtn1Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TForm12::BitBtn6Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm12::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm12::BitBtn3Click);
    setEscapeAction([this] { BitBtn6Click(); });
}

void TForm12::activated()
{
    if (!m_inOwnDialog)
        FormActivate();
}

void TForm12::FormActivate()
{
    Edit1 = QString::number(TrackBar1->value());
    Edit2 = ComboBox1->currentText();
}

void TForm12::TrackBar1Change()
{
    Label4->setText(QStringLiteral("Intervalle de temps : %1 sec").arg(TrackBar1->value()));
    const QScopedValueRollback<bool> ownBox(m_inOwnDialog, true);
    settings::writeLine(Form1->Memo6, settings::TestInterval, QString::number(TrackBar1->value()));
}

void TForm12::ComboBox1Change()
{
    Form4->ComboBox1Change();
}

void TForm12::BitBtn1Click()
{
    closeWith(plat::mrOk);
}

void TForm12::BitBtn6Click()
{
    TrackBar1->setValue(Edit1.toInt());
    {
        // One rebuild of the test window's lists, below, rather than two.
        const QSignalBlocker quiet(ComboBox1);
        ComboBox1->setCurrentText(Edit2);
    }
    Form4->ComboBox1Change();
    closeWith(plat::mrCancel);
}

namespace {

// The text colour of a label, a field or a button alike.
void setTextColour(QWidget *w, const QColor &colour)
{
    QPalette p = w->palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, colour);
    w->setPalette(p);
}

} // namespace

void TForm12::chooseFont(QPushButton *button, QWidget *term, QLabel *previous)
{
    std::optional<QFont> chosen;
    {
        const QScopedValueRollback<bool> ownDialog(m_inOwnDialog, true);
        chosen = plat::desktop().chooseFont(FontDialog1);
        // The font dialog has no colour of its own: it is offered at once.
        // Cancelling it keeps the colour the font had.
        if (chosen) {
            if (const std::optional<QColor> colour = plat::desktop().chooseColor(FontDialog1Color))
                FontDialog1Color = *colour;
        }
    }
    if (!chosen)
        return;
    FontDialog1 = *chosen;
    QFont small = *chosen;
    small.setPointSize(7);
    button->setFont(small);
    setTextColour(button, FontDialog1Color);
    term->setFont(*chosen);
    setTextColour(term, FontDialog1Color);
    small.setPointSize(10);
    previous->setFont(small);
    QPalette lime = previous->palette();
    lime.setColor(QPalette::WindowText, QColor(0, 255, 0));
    previous->setPalette(lime);
    Form4->fitQuestionPanel();
}

void TForm12::BitBtn2Click()
{
    chooseFont(BitBtn2, Form4->Label12, Form4->label26);
}

void TForm12::BitBtn3Click()
{
    chooseFont(BitBtn3, Form4->Edit5, Form4->Label29);
}
