// The spaced review area of the statistics window: the chosen user's pairs,
// what is due today, and the button that reviews it.
#include "statistics/statisticswindow.h"

#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/failure.h"
#include "platform/system.h"
#include "review/texts.h"
#include "statistics/reviewing.h"
#include "testing/testwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QFont arial(int pixelSize, bool bold = false)
{
    return plat::pixelFont(QStringLiteral("Arial"), pixelSize, bold);
}

QLabel *whiteLabel(const QString &name, QWidget *parent, bool bold = false)
{
    return plat::colourLabel(QString(), name, QStringLiteral("white"), arial(12, bold), parent);
}

const QString kHeading = QStringLiteral("Révision espacée");

} // namespace

void TFor2::buildReviewArea(QVBoxLayout *column)
{
    LabelRevision = whiteLabel(QStringLiteral("LabelRevision"), this, true);
    LabelRevision->setToolTip(QStringLiteral("Chaque paire répondue revient au moment où elle risque d'être "
                                             "oubliée"));
    LabelSuivies = whiteLabel(QStringLiteral("LabelSuivies"), this);
    LabelARevoir = whiteLabel(QStringLiteral("LabelARevoir"), this);
    LabelRetention = whiteLabel(QStringLiteral("LabelRetention"), this);
    LabelRetention->setToolTip(QStringLiteral("Probabilité moyenne de se souvenir aujourd'hui des paires suivies"));
    LabelPrevision = whiteLabel(QStringLiteral("LabelPrevision"), this);
    LabelPrevision->setText(QStringLiteral("Paires à revoir les 30 prochains jours :"));
    ImageRevision = new QLabel(this);
    ImageRevision->setObjectName(QStringLiteral("ImageRevision"));
    ImageRevision->setFixedSize(reviewing::kForecastWidth, reviewing::kForecastHeight);
    ImageRevision->setToolTip(QStringLiteral("Paires à revoir chacun des 30 prochains jours"));
    BitBtnReviser = plat::pushButton(QStringLiteral("Réviser maintenant"), QStringLiteral("BitBtnReviser"), this,
                                     QStringLiteral("Cliquez ici pour revoir les paires que vous risquez "
                                                    "d'oublier"));
    BitBtnReviser->setFont(arial(12, true));
    // Its caption changes with the user: it never widens the column, which
    // shares the screen with the 505-pixel success graph.
    BitBtnReviser->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    column->addSpacing(4);
    column->addWidget(LabelRevision);
    auto *figures = new QVBoxLayout;
    figures->setSpacing(0);
    for (QLabel *l : {LabelSuivies, LabelARevoir, LabelRetention, LabelPrevision})
        figures->addWidget(l);
    column->addLayout(figures);
    column->addWidget(ImageRevision);
    column->addWidget(BitBtnReviser);
    column->addSpacing(4);
    showReview();
}

void TFor2::showReview()
{
    const bool chosen = ListBox1->itemIndex() >= 0 && !Label6.isEmpty();
    review::Summary summary;
    summary.forecast.fill(0, review::kForecastDays);
    bool read = false;
    if (chosen && !reviewing::storeExists()) {
        read = true;
    } else if (chosen) {
        // Told once, when the user is chosen; the area then shows nothing.
        if (const std::unique_ptr<review::Store> store = reviewing::openStore()) {
            try {
                summary = store->summary(Label6, plat::system().now().date());
                read = true;
            } catch (const plat::Failure &f) {
                plat::desktop().showMessage(f.message());
            }
        }
    }
    LabelRevision->setText(chosen ? kHeading + QStringLiteral(" :") : kHeading + QStringLiteral(" : choisissez un "
                                                                                              "utilisateur"));
    for (QLabel *l : {LabelSuivies, LabelARevoir, LabelRetention, LabelPrevision})
        l->setVisible(read);
    ImageRevision->setVisible(read);
    LabelSuivies->setText(review::trackedText(summary.tracked));
    LabelARevoir->setText(review::dueTodayText(summary.due));
    LabelRetention->setText(review::retentionText(summary));
    ImageRevision->setPixmap(QPixmap::fromImage(reviewing::drawForecast(summary.forecast)));
    const QString next = summary.nextDue.isValid() ? plat::system().shortDate(summary.nextDue) : QString();
    BitBtnReviser->setText(read ? review::reviewButtonText(summary, next) : QStringLiteral("Réviser maintenant"));
    BitBtnReviser->setEnabled(read && summary.due > 0);
}

void TFor2::BitBtnReviserClick()
{
    const int i = ListBox1->itemIndex();
    if (i < 0 || Label6.isEmpty())
        return;
    const QString user = Label6;
    QList<review::Card> cards;
    if (!reviewing::storeExists())
        return;
    if (const std::unique_ptr<review::Store> store = reviewing::openStore()) {
        try {
            cards = store->dueCards(user, plat::system().now().date());
        } catch (const plat::Failure &f) {
            plat::desktop().showMessage(f.message());
        }
    }
    if (cards.isEmpty()) {
        showReview();
        return;
    }
    Form4->prepareReview(TForm4::Review{user, memo1().memoLine(1), cards});
    plat::desktop().showModal(Form4);
    Form4->prepareReview(std::nullopt);
    // Back from the review: the same user, their new record and figures.
    if (i < ListBox1->count() && Memo3.memoLine(i) == user) {
        ListBox1->setItemIndex(i);
        ListBox1Click();
    }
}

void TFor2::offerToForget(const QString &user)
{
    if (user.isEmpty() || Memo3.lines().contains(user) || !reviewing::storeExists())
        return;
    qint64 answers = 0;
    {
        const std::unique_ptr<review::Store> store = reviewing::openStore();
        if (!store)
            return;
        try {
            answers = store->answerCount(user);
        } catch (const plat::Failure &) {
            return;
        }
        if (answers == 0)
            return;
    }
    const int choice = plat::desktop().messageDlg(
        QStringLiteral("Cet utilisateur a %1 réponse%2 gardée%2 pour la révision espacée. Faut-il les effacer "
                       "aussi ?\n(Sa fiche de statistiques, elle, reste sur le disque.)")
            .arg(answers)
            .arg(answers > 1 ? QStringLiteral("s") : QString()),
        plat::MsgType::Confirmation, plat::mbYes | plat::mbNo, plat::mrNo);
    if (choice != plat::mrYes)
        return;
    if (const std::unique_ptr<review::Store> store = reviewing::openStore()) {
        try {
            store->removeUser(user);
        } catch (const plat::Failure &f) {
            plat::desktop().showMessage(f.message());
        }
    }
}
