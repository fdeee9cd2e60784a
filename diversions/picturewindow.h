#pragma once
#include "platform/form.h"

class TImagebm : public plat::Form {
    Q_OBJECT
public:
    explicit TImagebm(QWidget *parent = nullptr);
};

extern TImagebm *Imagebm;
