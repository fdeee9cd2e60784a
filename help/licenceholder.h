#pragma once
#include "platform/form.h"
#include "platform/linelist.h"

// Never shown: it keeps the licence text, which the licence window copies at
// each opening so that the text exists once, and the scratch list in which
// the first run assembles the settings file.
class TForm8 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm8(QWidget *parent = nullptr);

    const plat::LineList Memo2; // the licence text
    plat::LineList ListBox1;    // scratch list

    static QStringList licenceText();
};

extern TForm8 *Form8;
