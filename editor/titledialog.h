#pragma once
#include "platform/form.h"

class TFor9 : public plat::Form {
    Q_OBJECT
public:
    explicit TFor9(QWidget *parent = nullptr);
};

extern TFor9 *For9;
