#include "editor/heldsheet.h"

#include "platform/drivepath.h"
#include "platform/linelist.h"
#include "tests/support.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

using editor::HeldSheet;
using testing_support::crlf;

namespace {

const QString kSheet = QStringLiteral("C:\\fiches\\a.fic");

} // namespace

// What a write decides, for every way the file can have changed since the
// editor read it.
TEST(HeldSheet, AWriteGoesAheadOnlyOverWhatTheEditorLastSaw)
{
    using Plan = HeldSheet::Plan;
    using State = HeldSheet::State;
    using Step = std::function<void(testing_support::Sandbox &)>;
    const Step nothing = [](testing_support::Sandbox &) {};
    const Step present = [](testing_support::Sandbox &b) { b.put(kSheet, crlf({"T", "dog", "chien"})); };
    const Step remove = [](testing_support::Sandbox &) { QFile::remove(plat::hostPath(kSheet)); };
    const Step folder = [](testing_support::Sandbox &) {
        QFile::remove(plat::hostPath(kSheet));
        QDir().mkpath(plat::hostPath(kSheet));
    };
    const Step change = [](testing_support::Sandbox &b) { b.put(kSheet, "other"); };
    // One letter, same size, same modification time: only the content tells.
    const Step letter = [](testing_support::Sandbox &b) {
        const QString host = plat::hostPath(kSheet);
        const QDateTime time = QFileInfo(host).lastModified();
        b.put(kSheet, crlf({"T", "dog", "chiem"}));
        QFile f(host);
        f.open(QIODevice::ReadWrite);
        f.setFileTime(time, QFileDevice::FileModificationTime);
    };
    const struct {
        const char *name;
        Step atChoice, meanwhile;
        QStringList lines;
        Plan plan;
        State stateAfter;
    } cases[] = {
        {"untouched", present, nothing, {"T", "dog", "chien"}, Plan::Write, State::Loaded},
        {"changed", present, change, {"T", "dog", "chien"}, Plan::AskFirst, State::Loaded},
        {"one letter changed", present, letter, {"T", "dog", "chien"}, Plan::AskFirst, State::Loaded},
        {"deleted", present, remove, {"T", "dog", "chien"}, Plan::Write, State::Loaded},
        {"now a folder", present, folder, {"T", "dog", "chien"}, Plan::Refuse, State::Unreadable},
        {"still missing", nothing, nothing, {"Titre listé"}, Plan::Write, State::Missing},
        {"created meanwhile", nothing, change, {"Titre listé"}, Plan::AskFirst, State::Missing},
        {"a folder from the start", folder, nothing, {}, Plan::Refuse, State::Unreadable},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        testing_support::Sandbox box;
        c.atChoice(box);
        HeldSheet sheet;
        EXPECT_EQ(sheet.load(kSheet, QStringLiteral("Titre listé")).lines(), c.lines);
        c.meanwhile(box);
        EXPECT_EQ(sheet.planWrite(), c.plan);
        EXPECT_EQ(sheet.state(), c.stateAfter);
        EXPECT_EQ(sheet.writable(), c.plan != Plan::Refuse);
        if (c.plan == Plan::Refuse) {
            EXPECT_TRUE(sheet.refusal().contains(kSheet)) << sheet.refusal().toStdString();
        }
    }
}

// The full-text area shows each line followed by its line end, so that the
// text saved unchanged is the file's own; the area's own line breaks are
// written as CR LF.
TEST(HeldSheet, FullTextRoundTrip)
{
    const struct {
        QStringList lines;
        QString area;
    } cases[] = {
        {{}, ""},
        {{""}, "\n"},
        {{"T", "pear", "poire"}, "T\npear\npoire\n"},
        {{"T", "", "x"}, "T\n\nx\n"},
    };
    for (const auto &c : cases) {
        const QString area = editor::fullText(plat::PackedLines(c.lines));
        EXPECT_EQ(area, c.area);
        QString typed = area;
        typed.replace(u'\n', QChar::ParagraphSeparator);
        EXPECT_EQ(editor::typedText(typed), plat::LineList(c.lines).toText());
    }
    EXPECT_EQ(editor::typedText(QStringLiteral("a") + QChar::LineSeparator + QStringLiteral("b")), "a\r\nb");
}

// A big file is checked block by block: a change anywhere in it shows.
TEST(HeldSheet, AChangeDeepInABigFileShows)
{
    for (const qsizetype at : {qsizetype(10), qsizetype(1 << 20), qsizetype(3 << 20) - 5}) {
        testing_support::Sandbox box;
        QByteArray bytes(3 << 20, 'a');
        box.put(kSheet, bytes);
        HeldSheet sheet;
        sheet.load(kSheet, QString());
        EXPECT_EQ(sheet.planWrite(), HeldSheet::Plan::Write);
        bytes[at] = 'b';
        box.put(kSheet, bytes);
        EXPECT_EQ(sheet.planWrite(), HeldSheet::Plan::AskFirst) << at;
    }
}
