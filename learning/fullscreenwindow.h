#pragma once
#include "platform/form.h"

class Tpleinec : public plat::Form {
    Q_OBJECT
public:
    explicit Tpleinec(QWidget *parent = nullptr);
};

extern Tpleinec *pleinec;
