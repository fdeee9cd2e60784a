#pragma once
#include "platform/form.h"

class TForm11 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm11(QWidget *parent = nullptr);
};

extern TForm11 *Form11;
