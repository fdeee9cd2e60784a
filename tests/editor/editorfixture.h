#pragma once
#include "app/mainwindow.h"
#include "app/startupwindow.h"
#include "app/windowset.h"
#include "editor/editorwindow.h"
#include "platform/linelist.h"
#include "tests/support.h"

#include <QLineEdit>
#include <QList>
#include <QTimer>
#include <gtest/gtest.h>
#include <utility>

namespace editor_tests {

// The whole window set over a sandbox, with the steps that bring the editor
// to a chosen sheet.
class EditorFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        createWindowSet();
        // The start-up pass would rebuild the title lists whenever a test
        // lets timers run (a long sheet read repaints), dropping the choice.
        Form7->Timer1->stop();
        Form7->Timer2->stop();
    }
    void TearDown() override { destroyWindowSet(); }

    // Catalogues sheets and lists their titles, as the start-up pass does.
    void catalogue(const QList<std::pair<QString, QByteArray>> &sheets)
    {
        for (const auto &[path, bytes] : sheets) {
            box.put(path, bytes);
            Form1->ListBox1.append(path);
            Form2->ListBox1->addItem(plat::LineList(plat::LineList::parse(bytes)).memoLine(0));
        }
        Form2->copyTitleLists();
    }
    void choose(int i)
    {
        Form2->ListBox1->setItemIndex(i);
        Form2->ListBox1Click();
    }
    void add(const QString &first, const QString &second)
    {
        Form2->Edit1->setText(first);
        Form2->Edit2->setText(second);
        Form2->ajout();
    }
    // Deletes the selected pair, saying yes when asked to confirm.
    void deleteSelected()
    {
        if (Form2->ListBox2->itemIndex() >= 0)
            box.desktop().messageAnswers.push_back(plat::mrYes);
        Form2->BitBtn3Click();
    }

    testing_support::Sandbox box;
};

} // namespace editor_tests
