#include "statistics/successgraph.h"

#include "statistics/userfile.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace statistics {

QImage drawSuccessGraph(const QList<double> &percentages)
{
    QImage graph(kGraphWidth, kGraphHeight, QImage::Format_RGB32);
    graph.fill(Qt::black);
    QPainter painter(&graph);
    // The latest tests are the ones that tell where the user stands.
    const qsizetype first = std::max<qsizetype>(0, percentages.size() - kGraphTests);
    for (qsizetype j = first; j < percentages.size(); ++j) {
        const int x = int(2 * (j - first));
        // Below 0 nothing is green, above 100 everything is.
        const double cut = std::trunc(std::clamp(percentages.at(j), 0.0, 100.0));
        const int green = int(cut);
        painter.fillRect(x, 0, 2, kGraphHeight - green, QColor(255, 0, 0));
        painter.fillRect(x, kGraphHeight - green, 2, green, QColor(0, 255, 0));
    }
    return graph;
}

} // namespace statistics
