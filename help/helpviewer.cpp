#include "help/helpviewer.h"

#include "platform/controls.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
const QString kNavy = QStringLiteral("#1a2f6b");
}

HelpViewer::HelpViewer(helpfile::Document document, QWidget *parent)
    : QWidget(parent), m_document(std::move(document))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Aide de %1").arg(m_document.programName));
    resize(980, 680);
    setStyleSheet(QStringLiteral("#HelpViewer { background: #f4f1e8; }"));

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(14, 10, 14, 12);
    outer->addWidget(plat::colourLabel(QStringLiteral("Aide de %1").arg(m_document.programName),
                                       QStringLiteral("heading"), kNavy,
                                       plat::pixelFont(QStringLiteral("Arial"), 26, true), this));

    auto *body = new QHBoxLayout;
    outer->addLayout(body, 1);

    auto *left = new QVBoxLayout;
    body->addLayout(left, 0);
    auto *searchLabel = plat::colourLabel(QStringLiteral("&Rechercher (titres et mots-clés) :"),
                                          QString(), QStringLiteral("black"), this);
    left->addWidget(searchLabel);
    search = new QLineEdit(this);
    search->setObjectName(QStringLiteral("search"));
    search->setPlaceholderText(QStringLiteral("par exemple : imprimer, clavier, format"));
    search->setClearButtonEnabled(true);
    search->setToolTip(QStringLiteral("Tapez un mot : seules les rubriques dont le titre ou les "
                                      "mots-clés le contiennent restent dans la liste. Flèches haut "
                                      "et bas : rubrique précédente ou suivante."));
    searchLabel->setBuddy(search);
    left->addWidget(search);
    found = plat::colourLabel(QString(), QStringLiteral("found"), QStringLiteral("#7a1f1f"), this);
    found->setWordWrap(true);
    left->addWidget(found);
    auto *listLabel = plat::colourLabel(QStringLiteral("R&ubriques :"), QString(),
                                        QStringLiteral("black"), this);
    left->addWidget(listLabel);
    titles = new QListWidget(this);
    titles->setObjectName(QStringLiteral("titles"));
    titles->setMinimumWidth(320);
    titles->setFont(plat::pixelFont(QStringLiteral("Arial"), 14));
    listLabel->setBuddy(titles);
    for (int i = 0; i < m_document.topics.size(); ++i) {
        auto *item = new QListWidgetItem(m_document.topics.at(i).title, titles);
        item->setData(Qt::UserRole, i);
    }
    left->addWidget(titles, 1);

    auto *right = new QVBoxLayout;
    body->addLayout(right, 1);
    topicTitle = plat::colourLabel(QString(), QStringLiteral("topicTitle"), kNavy,
                                   plat::pixelFont(QStringLiteral("Arial"), 20, true), this);
    topicTitle->setWordWrap(true);
    right->addWidget(topicTitle);
    keywords = plat::colourLabel(QString(), QStringLiteral("keywords"), QStringLiteral("#555555"),
                                 plat::pixelFont(QStringLiteral("Arial"), 12, false, true), this);
    keywords->setWordWrap(true);
    right->addWidget(keywords);
    text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("text"));
    text->setFont(plat::pixelFont(QStringLiteral("Arial"), 15));
    text->setOpenLinks(false);
    right->addWidget(text, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    closeButton = plat::pushButton(QStringLiteral("&Fermer"), QStringLiteral("closeButton"), this,
                                   QStringLiteral("Fermer l'aide (Échap)"));
    buttons->addWidget(closeButton);
    outer->addLayout(buttons);

    setTabOrder(search, titles);
    setTabOrder(titles, text);
    setTabOrder(text, closeButton);
    search->installEventFilter(this);

    connect(search, &QLineEdit::textChanged, this, &HelpViewer::filter);
    connect(titles, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (item)
            showTopic(item->data(Qt::UserRole).toInt());
    });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    if (titles->count() > 0)
        titles->setCurrentRow(0);
    filter(QString());
    search->setFocus();
}

void HelpViewer::showTopic(int index)
{
    if (index < 0 || index >= m_document.topics.size())
        return;
    const helpfile::Topic &topic = m_document.topics.at(index);
    topicTitle->setText(topic.title);
    keywords->setText(topic.keywords.isEmpty()
                          ? QString()
                          : QStringLiteral("Mots-clés : ") + topic.keywords.join(QStringLiteral(", ")));
    // Plain text: whatever the file holds is shown, never interpreted.
    text->setPlainText(topic.text);
}

void HelpViewer::filter(const QString &query)
{
    int shown = 0;
    for (int row = 0; row < titles->count(); ++row) {
        QListWidgetItem *item = titles->item(row);
        const bool match = helpfile::matches(m_document.topics.at(item->data(Qt::UserRole).toInt()),
                                             query);
        item->setHidden(!match);
        shown += match ? 1 : 0;
    }
    if (shown == 0)
        found->setText(QStringLiteral("Aucune rubrique ne correspond à « %1 ».").arg(query.trimmed()));
    else if (query.trimmed().isEmpty())
        found->setText(QStringLiteral("%1 rubriques").arg(shown));
    else
        found->setText(shown == 1 ? QStringLiteral("1 rubrique trouvée")
                                  : QStringLiteral("%1 rubriques trouvées").arg(shown));
    if (shown == 0) {
        // Nothing to read: the pane empties rather than show a topic the
        // list no longer holds.
        titles->setCurrentItem(nullptr);
        topicTitle->clear();
        keywords->clear();
        text->clear();
        return;
    }
    QListWidgetItem *current = titles->currentItem();
    if (current && !current->isHidden())
        return;
    for (int row = 0; row < titles->count(); ++row)
        if (!titles->item(row)->isHidden()) {
            titles->setCurrentRow(row);
            return;
        }
}

QList<int> HelpViewer::visibleTopics() const
{
    QList<int> out;
    for (int row = 0; row < titles->count(); ++row)
        if (!titles->item(row)->isHidden())
            out << titles->item(row)->data(Qt::UserRole).toInt();
    return out;
}

void HelpViewer::moveSelection(int step)
{
    int row = titles->currentRow();
    for (int r = row + step; r >= 0 && r < titles->count(); r += step)
        if (!titles->item(r)->isHidden()) {
            titles->setCurrentRow(r);
            return;
        }
}

bool HelpViewer::eventFilter(QObject *watched, QEvent *event)
{
    // The arrows in the search field walk through the topics it leaves, so a
    // topic can be found and read without leaving the keyboard's home row.
    if (watched == search && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Up) {
            moveSelection(key == Qt::Key_Down ? 1 : -1);
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            text->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HelpViewer::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
