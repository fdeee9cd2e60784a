#pragma once
#include "platform/packedlines.h"

#include <QByteArray>
#include <QString>

namespace editor {

// The file of the sheet the editor holds, as the editor last read or wrote
// it. It decides whether a write may go ahead: a file that cannot be read is
// never written over, a file that is simply not there is written afresh, and
// a file another program changed meanwhile is replaced only with the user's
// word. Qt Core only.
class HeldSheet {
public:
    enum class State {
        None,       // nothing chosen yet
        Loaded,     // read; its lines are the sheet
        Missing,    // nothing at the path: an empty sheet, created by the next write
        Unreadable, // something at the path that cannot be read: never written
    };
    enum class Plan { Write, AskFirst, Refuse };

    // Reads the sheet at path and returns its lines. A file that is not
    // there gives the lines of an empty sheet under the given title (the
    // title list's), so that the next write starts with that title line
    // rather than with a term. A file that cannot be read gives no lines.
    // A big file steps the progress as it is split into lines.
    plat::PackedLines load(const QString &path, const QString &title, plat::Progress &progress = plat::Progress::none());

    State state() const { return m_state; }
    const QString &path() const { return m_path; }
    bool writable() const { return m_state == State::Loaded || m_state == State::Missing; }

    // Decides a write now: Refuse when the file cannot be read (it may have
    // become so since it was read), AskFirst when it is no longer what the
    // editor last saw (changed, or created where there was nothing), Write
    // otherwise. A file that disappeared is written again: that loses nothing.
    Plan planWrite();
    // Writes the text, encoded as every text file is, followed by what the
    // reading left out (the bytes from a NUL on), and takes the result as the
    // file last seen. Throws plat::Failure.
    void write(QStringView text);

    // What the user is told on choosing the sheet; empty for a sheet read.
    QString choiceNotice() const;
    // Why a command cannot write the sheet.
    QString refusal() const;
    // The question before replacing a file changed outside the program.
    QString changedOutsideQuestion() const;

private:
    State m_state = State::None;
    QString m_path;
    QString m_reason;      // why the file cannot be read
    QByteArray m_tail;     // the file from its first NUL byte on
    QByteArray m_stamp;    // digest of the file as last read or written
};

// The full-text area's text for sheet lines: every line followed by its line
// end, as a text control holding those lines shows them, so that saving the
// area unchanged writes the file's bytes again.
QString fullText(const plat::PackedLines &lines);

// The text typed in the full-text area as it is written: the area's
// paragraph ends and its in-paragraph line breaks (SHIFT+ENTER) become CR LF,
// every other character stays as typed.
QString typedText(QString raw);

} // namespace editor
