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
    const qsizetype tests = std::min<qsizetype>(percentages.size(), kGraphTests);
    for (qsizetype j = 0; j < tests; ++j) {
        const int x = int(2 * j);
        // Below 0 nothing is green, above 100 everything is.
        const double cut = std::trunc(std::clamp(percentages.at(j), 0.0, 100.0));
        const int green = int(cut);
        painter.fillRect(x, 0, 2, kGraphHeight - green, QColor(255, 0, 0));
        painter.fillRect(x, kGraphHeight - green, 2, green, QColor(0, 255, 0));
    }
    return graph;
}

} // namespace statistics
