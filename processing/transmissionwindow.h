#pragma once
#include "platform/form.h"

class TForm14 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm14(QWidget *parent = nullptr);
};

extern TForm14 *Form14;
