#include "app/windowset.h"

#include "app/mainwindow.h"
#include "statistics/statisticswindow.h"
#include "learning/learningwindow.h"
#include "testing/testwindow.h"
#include "app/exitwindow.h"
#include "app/startupwindow.h"
#include "help/licenceholder.h"
#include "help/aboutwindow.h"
#include "help/licencewindow.h"
#include "diversions/exportnotice.h"
#include "testing/testsettingswindow.h"
#include "processing/transmissionwindow.h"
#include "processing/processingwindow.h"
#include "processing/mixerwindow.h"
#include "setup/welcomewindow.h"
#include "editor/titledialog.h"
#include "statistics/newuserdialog.h"
#include "editor/editorwindow.h"
#include "statistics/completionwindow.h"
#include "editor/namingdialog.h"
#include "diversions/picturewindow.h"
#include "learning/fullscreenwindow.h"

#include "platform/desktop.h"

void createWindowSet()
{
    Form1 = new TForm1();
    For2 = new TFor2();
    Form3 = new TForm3();
    Form4 = new TForm4();
    Form6 = new TForm6();
    Form7 = new TForm7();
    Form8 = new TForm8();
    Form5 = new TForm5();
    Form10 = new TForm10();
    Form11 = new TForm11();
    Form12 = new TForm12();
    Form14 = new TForm14();
    Form15 = new TForm15();
    Form16 = new TForm16();
    For8 = new TFor8();
    For9 = new TFor9();
    For9b = new TFor9b();
    Form2 = new TForm2();
    For13 = new TFor13();
    Form9 = new TForm9();
    Imagebm = new TImagebm();
    pleinec = new Tpleinec();
}

void destroyWindowSet()
{
    // Every window must be gone from the desktop's bookkeeping before it is deleted.
    for (plat::Form *f : std::initializer_list<plat::Form *>{Form1, For2, Form3, Form4, Form6, Form7, Form8, Form5, Form10, Form11, Form12, Form14, Form15, Form16, For8, For9, For9b, Form2, For13, Form9, Imagebm, pleinec})
        plat::desktop().forgetForm(f);
    delete pleinec;
    pleinec = nullptr;
    delete Imagebm;
    Imagebm = nullptr;
    delete Form9;
    Form9 = nullptr;
    delete For13;
    For13 = nullptr;
    delete Form2;
    Form2 = nullptr;
    delete For9b;
    For9b = nullptr;
    delete For9;
    For9 = nullptr;
    delete For8;
    For8 = nullptr;
    delete Form16;
    Form16 = nullptr;
    delete Form15;
    Form15 = nullptr;
    delete Form14;
    Form14 = nullptr;
    delete Form12;
    Form12 = nullptr;
    delete Form11;
    Form11 = nullptr;
    delete Form10;
    Form10 = nullptr;
    delete Form5;
    Form5 = nullptr;
    delete Form8;
    Form8 = nullptr;
    delete Form7;
    Form7 = nullptr;
    delete Form6;
    Form6 = nullptr;
    delete Form4;
    Form4 = nullptr;
    delete Form3;
    Form3 = nullptr;
    delete For2;
    For2 = nullptr;
    delete Form1;
    Form1 = nullptr;
}
