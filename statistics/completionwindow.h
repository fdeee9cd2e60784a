#pragma once
#include "platform/form.h"

class TFor13 : public plat::Form {
    Q_OBJECT
public:
    explicit TFor13(QWidget *parent = nullptr);
};

extern TFor13 *For13;
