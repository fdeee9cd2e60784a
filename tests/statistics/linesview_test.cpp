#include "statistics/linesview.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <functional>

using statistics::LinesView;
using statistics::UserFileText;

namespace {

void press(LinesView &view, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent e(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&view, &e);
}

void click(LinesView &view, int y, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPointF at(10, y);
    QMouseEvent e(QEvent::MouseButtonPress, at, view.viewport()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                  modifiers);
    QApplication::sendEvent(view.viewport(), &e);
}

QString linesFrom(int first, int last)
{
    QStringList out;
    for (int i = first; i <= last; ++i)
        out.append(QStringLiteral("ligne %1").arg(i));
    return out.join(QLatin1Char('\n'));
}

} // namespace

TEST(LinesView, SelectsARunOfLinesAndCopiesIt)
{
    const QString all = linesFrom(0, 99);
    const struct {
        const char *what;
        std::function<void(LinesView &)> act;
        QString selected;
        bool atBottom; // the last lines shown, else the first
    } cases[] = {
        {"Down takes the first line shown", [](LinesView &v) { press(v, Qt::Key_Down); }, linesFrom(0, 0), false},
        {"Shift+Down extends",
         [](LinesView &v) {
             press(v, Qt::Key_Down);
             press(v, Qt::Key_Down, Qt::ShiftModifier);
             press(v, Qt::Key_Down, Qt::ShiftModifier);
         },
         linesFrom(0, 2), false},
        {"Up stops at the first line",
         [](LinesView &v) {
             press(v, Qt::Key_Down);
             press(v, Qt::Key_Up);
         },
         linesFrom(0, 0), false},
        {"End shows the last line", [](LinesView &v) { press(v, Qt::Key_End); }, linesFrom(99, 99), true},
        {"Shift+Home from the end",
         [](LinesView &v) {
             press(v, Qt::Key_End);
             press(v, Qt::Key_Home, Qt::ShiftModifier);
         },
         all, false},
        {"Ctrl+A", [](LinesView &v) { press(v, Qt::Key_A, Qt::ControlModifier); }, all, false},
        {"a click, then Shift+Down",
         [](LinesView &v) {
             click(v, 1);
             press(v, Qt::Key_Down, Qt::ShiftModifier);
         },
         linesFrom(0, 1), false},
        {"End, then a Shift+click on the first line shown",
         [](LinesView &v) {
             press(v, Qt::Key_End);
             click(v, 1, Qt::ShiftModifier);
         },
         QString(), true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        LinesView view;
        view.resize(300, 200);
        view.show();
        QStringList lines;
        for (int i = 0; i < 100; ++i)
            lines.append(QStringLiteral("ligne %1").arg(i));
        view.setText(UserFileText(lines));
        ASSERT_GT(view.verticalScrollBar()->maximum(), 0);
        c.act(view);
        if (c.selected.isNull()) {
            // From the first line shown to the last line.
            EXPECT_EQ(view.selectedText(), linesFrom(int(view.topLine()), 99));
        } else {
            EXPECT_EQ(view.selectedText(), c.selected);
        }
        EXPECT_EQ(view.topLine(), c.atBottom ? view.verticalScrollBar()->maximum() : 0);
        press(view, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), view.selectedText());
    }

    // A click below the last line of a short text selects nothing.
    LinesView view;
    view.resize(300, 200);
    view.show();
    view.setText(UserFileText({QStringLiteral("seule")}));
    click(view, 1);
    EXPECT_EQ(view.selectedText(), "seule");
    click(view, 150);
    EXPECT_EQ(view.selectedText(), QString());
    EXPECT_EQ(view.toPlainText(), "seule");
}
