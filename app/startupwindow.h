#pragma once
#include "platform/form.h"

class TForm7 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm7(QWidget *parent = nullptr);
};

extern TForm7 *Form7;
