#pragma once
#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The new-user window: a name and a company, then the file that will hold
// the user's statistics. It opens with empty fields; the close box and
// Escape leave it without writing anything.
class TFor9b : public plat::Form {
    Q_OBJECT
public:
    explicit TFor9b(QWidget *parent = nullptr);

    QLabel *Label1;
    QLineEdit *Edit1; // user name
    QLabel *Label2;
    QLineEdit *Edit2; // company
    QPushButton *BitBtn1;

    // Shows the window modally with empty fields; true when a user was added
    // to the user list.
    bool showNew();
    void BitBtn1Click();
    void cancel();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    bool m_added = false;
};

extern TFor9b *For9b;
