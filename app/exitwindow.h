#pragma once
#include "platform/form.h"

class TForm6 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm6(QWidget *parent = nullptr);
};

extern TForm6 *Form6;
