#pragma once
#include "platform/form.h"

class TForm10 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm10(QWidget *parent = nullptr);
};

extern TForm10 *Form10;
