#pragma once
#include "platform/form.h"

class TForm9 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm9(QWidget *parent = nullptr);
};

extern TForm9 *Form9;
