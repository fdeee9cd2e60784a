#pragma once
#include "help/helpfile.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;

// The help viewer's window: the topic titles on the left with a search field
// over titles and keywords above them, the chosen topic on the right.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(helpfile::Document document, QWidget *parent = nullptr);

    QLineEdit *search;
    QListWidget *titles;
    QLabel *found;      // how many topics the search leaves, or that none does
    QLabel *topicTitle;
    QLabel *keywords;
    QTextBrowser *text;
    QPushButton *closeButton;

    // Shows only the topics the query matches; the current topic stays when
    // it still matches, else the first one that does is shown.
    void filter(const QString &query);
    void showTopic(int index);
    // The topics listed, in order, by index in the document.
    QList<int> visibleTopics() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void moveSelection(int step);

    helpfile::Document m_document;
};
