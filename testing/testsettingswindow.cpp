#include "testing/testsettingswindow.h"

#include "app/mainwindow.h"
#include "app/settings.h"
#include "platform/controls.h"

#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

TForm12 *Form12 = nullptr;

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
                                QStringLiteral("Label11"), QStringLiteral("#ffe14d"), this);
    Label9 = plat::colourLabel(QStringLiteral("Précédente' ou 'Page Suivante'."), QStringLiteral("Label9"),
                               QStringLiteral("#ffe14d"), this);
    box->addWidget(Label4);
    box->addWidget(TrackBar1);
    box->addWidget(Label11);
    box->addWidget(Label9);
    box->addStretch();

    connect(TrackBar1, &QSlider::valueChanged, this, &TForm12::TrackBar1Change);
}

void TForm12::TrackBar1Change()
{
    Label4->setText(QStringLiteral("Intervalle de temps : %1 sec").arg(TrackBar1->value()));
    settings::writeLine(Form1->Memo6, settings::TestInterval, QString::number(TrackBar1->value()));
}
