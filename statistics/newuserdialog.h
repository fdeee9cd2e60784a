#pragma once
#include "platform/form.h"

class TFor9b : public plat::Form {
    Q_OBJECT
public:
    explicit TFor9b(QWidget *parent = nullptr);
};

extern TFor9b *For9b;
