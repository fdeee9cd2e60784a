#pragma once
#include "platform/form.h"

class TForm5 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);
};

extern TForm5 *Form5;
