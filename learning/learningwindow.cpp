#include "learning/learningwindow.h"

#include "app/mainwindow.h"
#include "app/settings.h"
#include "platform/controls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <QVBoxLayout>

TForm3 *Form3 = nullptr;

TForm3::TForm3(QWidget *parent) : plat::Form(QStringLiteral("Form3"), parent)
{
    setWindowTitle(QStringLiteral("Apprentissage d'une fiche Tavilo"));
    resize(800, 560);
    setColours(Qt::black, Qt::white);

    auto *row = new QHBoxLayout(this);
    auto *settingsBox = new QVBoxLayout;

    TrackBar2 = plat::trackBar(QStringLiteral("TrackBar2"), 1, 20, 1, this);
    TrackBar2->setToolTip(QStringLiteral("Déplacez la petite barre pour faire varier l'intervalle de temps "
                                         "entre l'affichage du terme dans une langue, puis dans l'autre"));
    Label18 = plat::colourLabel(QStringLiteral("Temps d'attente : 1 sec"), QStringLiteral("Label18"),
                                QStringLiteral("white"), this);
    Label18->setToolTip(QStringLiteral("Intervalle de temps entre l'affichage du terme dans une langue, "
                                       "puis dans l'autre"));
    TrackBar1 = plat::trackBar(QStringLiteral("TrackBar1"), 1, 20, 3, this);
    TrackBar1->setToolTip(QStringLiteral("Déplacez la petite barre pour faire varier l'intervalle de temps "
                                         "entre deux termes"));
    Label4 = plat::colourLabel(QStringLiteral("Intervalle de temps : 3 sec"), QStringLiteral("Label4"),
                               QStringLiteral("white"), this);
    Label4->setToolTip(QStringLiteral("Intervalle de temps entre deux termes à apprendre."));
    Label11 = plat::colourLabel(QStringLiteral("Astuce : Pour changer en utilisant le clavier, appuyez"),
                                QStringLiteral("Label11"), QStringLiteral("#ffe14d"), this);
    Label9 = plat::colourLabel(QStringLiteral("sur 'Page Précédente' ou 'page suivante'."),
                               QStringLiteral("Label9"), QStringLiteral("#ffe14d"), this);

    settingsBox->addWidget(Label18);
    settingsBox->addWidget(TrackBar2);
    settingsBox->addWidget(Label4);
    settingsBox->addWidget(TrackBar1);
    settingsBox->addWidget(Label11);
    settingsBox->addWidget(Label9);
    settingsBox->addStretch();
    row->addLayout(settingsBox, 1);

    ListBox1 = new sheets::TitleListBox(sheets::TitleVariant::Learning, this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    row->addWidget(ListBox1, 1);

    connect(TrackBar2, &QSlider::valueChanged, this, &TForm3::TrackBar2Change);
    connect(TrackBar1, &QSlider::valueChanged, this, &TForm3::TrackBar1Change);
}

void TForm3::TrackBar2Change()
{
    const int p = TrackBar2->value();
    Label18->setText(QStringLiteral("Temps d'attente : %1 sec").arg(p));
    // The interval between pairs never falls below the waiting time. Moving the
    // range may move the interval slider, which then runs its own change.
    TrackBar1->setMinimum(p);
    TrackBar1->setMaximum(p + 20);
    Label4->setText(QStringLiteral("Intervalle de temps : %1 sec").arg(TrackBar1->value()));
    settings::writeLine(Form1->Memo6, settings::LearningReveal, QString::number(p));
}

void TForm3::TrackBar1Change()
{
    Label4->setText(QStringLiteral("Intervalle de temps : %1 sec").arg(TrackBar1->value()));
    settings::writeLine(Form1->Memo6, settings::LearningInterval, QString::number(TrackBar1->value()));
}
