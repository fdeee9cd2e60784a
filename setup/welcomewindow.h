#pragma once
#include "platform/form.h"

class TFor8 : public plat::Form {
    Q_OBJECT
public:
    explicit TFor8(QWidget *parent = nullptr);
};

extern TFor8 *For8;
