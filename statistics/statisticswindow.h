#pragma once
#include "platform/form.h"
#include "platform/linelist.h"

class QListWidget;
class QPlainTextEdit;

// The user statistics window. For now: the user list and its user entries.
class TFor2 : public plat::Form {
    Q_OBJECT
public:
    explicit TFor2(QWidget *parent = nullptr);

    plat::LineList Memo3;   // user list: one user statistics file path per line
    QListWidget *ListBox1;  // one user entry per line of the user list
    QPlainTextEdit *Memo1;  // the text of a user statistics file
    QString code = QStringLiteral("Code"); // the rebuild runs only while this reads "Code"

    // Replaces the user list by the lines of a file, then rebuilds the entries.
    // Throws plat::Failure when the file cannot be read; nothing changes then.
    void loadUserList(const QString &path);
    // Rebuilds the user entries from the user list, dropping the lines whose
    // file cannot be read.
    void Memo3Change();
};

extern TFor2 *For2;

namespace statistics {
// "company, name" from the lines of a user statistics file.
QString userEntry(const plat::LineList &userFile);
}
