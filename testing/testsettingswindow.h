#pragma once
#include "platform/form.h"

class TForm12 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm12(QWidget *parent = nullptr);
};

extern TForm12 *Form12;
