#include "statistics/reviewing.h"

#include "platform/desktop.h"
#include "platform/failure.h"
#include "platform/fileio.h"

#include <QPainter>
#include <algorithm>

namespace reviewing {

std::unique_ptr<review::Store> openStore()
{
    try {
        auto store = std::make_unique<review::Store>();
        if (!store->notice().isEmpty())
            plat::desktop().showMessage(store->notice());
        return store;
    } catch (const plat::Failure &f) {
        plat::desktop().showMessage(f.message());
        return nullptr;
    }
}

bool storeExists()
{
    return plat::fileExists(review::kStorePath);
}

bool recordAnswers(const QString &user, const QList<statistics::JudgedQuestion> &questions)
{
    if (questions.isEmpty())
        return true;
    const std::unique_ptr<review::Store> store = openStore();
    if (!store)
        return false;
    const QString told = store->notice();
    try {
        store->record(user, questions);
    } catch (const plat::Failure &f) {
        plat::desktop().showMessage(f.message()
                                    + QStringLiteral("\nLe test est bien enregistré dans la fiche utilisateur ; "
                                                     "seules ses réponses manqueront à la révision espacée."));
        return false;
    }
    // A damaged file found while writing is set aside then.
    if (store->notice() != told)
        plat::desktop().showMessage(store->notice());
    return true;
}

QImage drawForecast(const QList<int> &perDay)
{
    QImage chart(kForecastWidth, kForecastHeight, QImage::Format_RGB32);
    chart.fill(Qt::black);
    QPainter painter(&chart);
    // A grey base line, marked at the start of each week, shows the days the
    // chart covers on the window's black.
    const int step = kForecastWidth / int(std::max<qsizetype>(perDay.size(), 1));
    const int base = kForecastHeight - 1;
    painter.fillRect(0, base, step * int(perDay.size()) - 2, 1, QColor(96, 96, 96));
    for (qsizetype day = 0; day < perDay.size(); day += 7)
        painter.fillRect(int(day) * step, base - 2, 1, 3, QColor(96, 96, 96));
    const int busiest = perDay.isEmpty() ? 0 : *std::max_element(perDay.begin(), perDay.end());
    if (busiest <= 0)
        return chart;
    const int room = base - 1;
    for (qsizetype day = 0; day < perDay.size(); ++day) {
        // A day with a pair due always shows, however busy the busiest.
        const int height = perDay.at(day) <= 0 ? 0 : std::max(1, int(qint64(perDay.at(day)) * room / busiest));
        painter.fillRect(int(day) * step, base - 1 - height, step - 2, height, QColor(0, 255, 0));
    }
    return chart;
}

} // namespace reviewing
