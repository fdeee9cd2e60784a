#pragma once
#include "platform/form.h"
#include "statistics/userfile.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace sheets {
class TitleListBox;
}

// Shown at the end of a test: one click on a user entry (or Enter on the
// entry chosen with the arrow keys) appends the test just finished to that
// user's statistics file, through the statistics window's user list and text
// buffer. With no user yet, it offers to create one and records for them.
class TFor13 : public plat::Form {
    Q_OBJECT
public:
    explicit TFor13(QWidget *parent = nullptr);

    QLabel *Label1;
    sheets::TitleListBox *ListBox1; // copy of the statistics window's user entries
    QPushButton *Quitter;
    QPushButton *BitBtn1; // "Créer un nouvel utilisateur", while the list is empty

    // The test to record, as the test window handed it over.
    statistics::TestResult test;

    // Shows the window modally for the test just finished; once it has
    // closed, says for whom the test was recorded, if it was.
    void completeStatistics();

    void activated() override { FormActivate(); }
    void FormActivate();
    void ListBox1Click();
    void QuitterClick();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent *e) override;

private:
    QString m_recordedFor; // the user the last test was recorded for
};

extern TFor13 *For13;
