#pragma once
#include "platform/form.h"

class TForm8 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm8(QWidget *parent = nullptr);
};

extern TForm8 *Form8;
