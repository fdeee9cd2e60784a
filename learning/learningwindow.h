#pragma once
#include "platform/form.h"
#include "sheets/titlelistbox.h"

class QLabel;
class QListWidget;
class QSlider;

// The learning window. For now: its title list and the two timing sliders.
class TForm3 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);

    sheets::TitleListBox *ListBox1; // title list, aligned with the catalogue
    QSlider *TrackBar2;    // waiting time before the second term, seconds
    QLabel *Label18;
    QSlider *TrackBar1;    // interval between two pairs, seconds
    QLabel *Label4;
    QLabel *Label11, *Label9; // keyboard tip for the sliders

    void TrackBar2Change();
    void TrackBar1Change();
};

extern TForm3 *Form3;
