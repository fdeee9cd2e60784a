#pragma once
#include "platform/form.h"

class TFor2 : public plat::Form {
    Q_OBJECT
public:
    explicit TFor2(QWidget *parent = nullptr);
};

extern TFor2 *For2;
