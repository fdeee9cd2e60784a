#include "platform/focusframe.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// Where a widget stands in its window.
QRect inWindow(const QWidget *w)
{
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

} // namespace

// The frame follows the focus from control to control, encloses the one that
// has it without covering it, follows it when it moves, and goes when it goes.
TEST(FocusFrame, FramesTheFocusedControlWhereverItIs)
{
    plat::showFocusEverywhere();
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *panel = new QWidget(&window);
    auto *inner = new QVBoxLayout(panel);
    inner->setContentsMargins(0, 0, 0, 0);
    auto *list = new QListWidget(panel); // empty: the list draws no focus of its own
    auto *button = new QPushButton(QStringLiteral("OK"), panel);
    auto *radio = new QRadioButton(QStringLiteral("Souris disponible"), &window);
    inner->addWidget(list);
    inner->addWidget(button);
    layout->addWidget(panel);
    layout->addWidget(radio);
    window.resize(300, 300);
    window.show();
    QApplication::setActiveWindow(&window);

    for (QWidget *w : {static_cast<QWidget *>(list), static_cast<QWidget *>(button),
                       static_cast<QWidget *>(radio)}) {
        SCOPED_TRACE(w->metaObject()->className());
        w->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), w);
        const QWidget *frame = plat::focusFrame();
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(frame->isVisible());
        EXPECT_EQ(frame->window(), &window);
        // A band all round, outside the control: nothing of it cut off by
        // the panel that holds the control along its edge.
        EXPECT_EQ(inWindow(frame), inWindow(w).adjusted(-4, -4, 4, 4));
        EXPECT_TRUE(frame->parentWidget()->rect().contains(frame->geometry()));
        EXPECT_TRUE(frame->testAttribute(Qt::WA_TransparentForMouseEvents));
        EXPECT_EQ(frame->focusPolicy(), Qt::NoFocus);
    }

    radio->move(radio->pos() + QPoint(20, 10));
    EXPECT_EQ(inWindow(plat::focusFrame()), inWindow(radio).adjusted(-4, -4, 4, 4));
    // A hidden or deleted control hands the focus on, and the frame with it.
    radio->hide();
    ASSERT_NE(QApplication::focusWidget(), radio);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(inWindow(plat::focusFrame()), inWindow(QApplication::focusWidget()).adjusted(-4, -4, 4, 4));
    list->setFocus();
    delete list;
    button->setFocus();
    EXPECT_EQ(inWindow(plat::focusFrame()), inWindow(button).adjusted(-4, -4, 4, 4));
    delete panel;
    EXPECT_TRUE(plat::focusFrame() == nullptr || !plat::focusFrame()->isVisible());
}
