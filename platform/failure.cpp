#include "platform/failure.h"

#include <QSet>

namespace plat {
namespace {

// The causes told in the pass under way; none when no pass runs.
QSet<QString> *&reported()
{
    static QSet<QString> *causes = nullptr;
    return causes;
}

} // namespace

Reporting::Reporting()
{
    // Nested passes share the outer one's record.
    if (!reported())
        reported() = new QSet<QString>;
    else
        m_owner = false;
}

Reporting::~Reporting()
{
    if (m_owner) {
        delete reported();
        reported() = nullptr;
    }
}

bool shouldReport(const QString &cause)
{
    QSet<QString> *causes = reported();
    if (!causes)
        return true;
    if (causes->contains(cause))
        return false;
    causes->insert(cause);
    return true;
}

} // namespace plat
