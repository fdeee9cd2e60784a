#include "testing/testsettingswindow.h"

#include "app/mainwindow.h"
#include "app/settings.h"

#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

TForm12 *Form12 = nullptr;

TForm12::TForm12(QWidget *parent) : plat::Form(QStringLiteral("Form12"), parent)
{
    setWindowTitle(QStringLiteral("Paramètres de la fenêtre de test"));
    resize(361, 274);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    auto *box = new QVBoxLayout(this);
    Label4 = new QLabel(QStringLiteral("Intervalle de temps : 20 sec"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setToolTip(QStringLiteral("Intervalle de temps entre deux termes à apprendre."));
    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(3, 100);
    TrackBar1->setValue(20);
    TrackBar1->setSingleStep(1);
    TrackBar1->setPageStep(2);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setTickInterval(1);
    TrackBar1->setToolTip(QStringLiteral("Déplacez la petite barre pour faire varier l'intervalle de temps "
                                         "entre deux termes"));
    Label11 = new QLabel(QStringLiteral("Astuce : Pour changer en utilisant le clavier, appuyez sur 'Page"), this);
    Label11->setObjectName(QStringLiteral("Label11"));
    Label9 = new QLabel(QStringLiteral("Précédente' ou 'Page Suivante'."), this);
    Label9->setObjectName(QStringLiteral("Label9"));
    for (QLabel *tip : {Label11, Label9})
        tip->setStyleSheet(QStringLiteral("color: #ffe14d;"));
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
