#pragma once
#include "platform/linelist.h"
#include "statistics/userfiletext.h"

#include <QChar>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The user list file, the user statistics files and the test records they
// collect.
namespace statistics {

// One user statistics file path per line.
inline const QString kUserListPath = QStringLiteral("C:\\windows\\TLusers.ini");
inline const QString kUserFileFilter = QStringLiteral("Fiche utilisateur Tavilo|*.user");
inline const QString kUserFileExtension = QStringLiteral("user");
inline const QString kFileHeading = QStringLiteral("Fiche de Statistiques Utilisateur :");
// The name, the company and two empty lines follow the heading.
constexpr qsizetype kHeaderLines = 5;
constexpr qsizetype kRecordLines = 16;

// "company, name" from the lines of a user statistics file; missing lines
// give empty parts.
QString userEntry(const UserFileText &userFile);

// The five header lines of a new user. A line break typed or pasted into a
// name would shift every later line, so it becomes a blank.
UserFileText newUserFile(const QString &name, const QString &company);

// One question of a test as it was judged: the question and the expected
// entry as the sheet holds them, in the direction asked, the sheet they came
// from, when the verdict fell, and whether the answer was accepted as typed
// (a wrong text, a give-up and the time run out are all wrong).
struct JudgedQuestion {
    QString question;
    QString answer;
    QString sheet;
    QDateTime at;
    bool right = false;
};

// The result of a finished test as the test window hands it over: counts as
// decimal text, the test clock in whole seconds, the title line, and every
// question judged, in the order asked.
struct TestResult {
    QString rightCount;
    QString wrongCount;
    QString seconds;
    QString titleLine;
    QList<JudgedQuestion> questions = {};
};

// The number of the record about to be written, once its "-----" line has
// been appended: 1 + the number on the previous record's "Test " line, or 1
// when that line holds no number (a file without records among others).
int nextRecordNumber(const UserFileText &fileWithSeparator);

// Appends one 16-line record dated with the texts given. Throws plat::Failure,
// the file unchanged, when the counts are not whole numbers or no question
// was answered (a percentage of nothing has no value). A file shorter than
// its header gets its missing header lines first, so that the record never
// takes the place of the name or company.
void appendTestRecord(UserFileText &userFile, const TestResult &result, const QString &date,
                      const QString &time);

// The percentages of the tests of a user file, in file order, ending at the
// first record whose percentage line is not a number. The success graph has
// room for the last kGraphTests of them; the average covers them all.
constexpr int kGraphTests = 252;
QList<double> graphPercentages(const UserFileText &userFile, QChar decimalSeparator);
// The running average of the values, taken one by one; nullopt for no value.
std::optional<double> runningAverage(const QList<double> &values);
QString averageHint(double average, QChar decimalSeparator);

// A number as the locale writes it: optional blanks around, a sign, digits
// with the locale's separator, an exponent. Nothing else converts.
std::optional<double> parseLocaleNumber(const QString &text, QChar decimalSeparator);

// The entry of a user whose file cannot be read at the moment.
QString unavailableEntry(const QString &path);

// The user list rebuilt from the files it names.
struct UserListScan {
    QStringList entries;     // one per line kept, in list order
    QStringList unavailable; // the paths kept whose file could not be read
};
// Reads every file the list names. A file that cannot be read may only be
// away for a while (a removable disk not mounted): its line stays, with an
// entry that says so, and goes only when the user removes it. Empty lines and
// paths that name a folder or anything else than a file are removed.
UserListScan scanUserList(plat::LineList &userList);

} // namespace statistics
