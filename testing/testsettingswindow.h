#pragma once
#include "platform/form.h"

class QLabel;
class QSlider;

// The test settings window. For now: the question interval slider.
class TForm12 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm12(QWidget *parent = nullptr);

    QLabel *Label4;
    QSlider *TrackBar1; // seconds between two questions, 3 to 100
    QLabel *Label11, *Label9; // keyboard tip for the slider

    void TrackBar1Change();
};

extern TForm12 *Form12;
