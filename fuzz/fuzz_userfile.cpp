// A user statistics file can hold anything: it reads as the same lines as
// any other text file, numbering the next record and reading the graph never
// fail, the graph keeps at most its 252 tests within the file's records, and
// a record appended to any file is found again and written as a line list
// would write the same lines.
#include "platform/encoding.h"
#include "platform/failure.h"
#include "platform/linelist.h"
#include "statistics/userfile.h"
#include "statistics/userfiletext.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    statistics::UserFileText file = statistics::UserFileText::fromBytes(bytes);
    plat::LineList list(plat::LineList::parse(bytes));
    if (file.lines() != list.lines())
        std::abort();

    for (const QChar separator : {QLatin1Char(','), QLatin1Char('.')}) {
        const QList<double> values = statistics::graphPercentages(file, separator);
        // One value at most per record the file can hold.
        if (values.size() > file.count() / statistics::kRecordLines)
            std::abort();
        if (const auto average = statistics::runningAverage(values); average && std::isnan(*average)
            && !values.isEmpty() && std::none_of(values.begin(), values.end(), [](double v) { return std::isnan(v); }))
            std::abort();
    }
    (void)statistics::userEntry(file);

    const qsizetype before = file.count();
    try {
        statistics::appendTestRecord(file, {QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("30"),
                                            QStringLiteral("Titre")},
                                     QStringLiteral("08/12/2026"), QStringLiteral("10:00:00"));
    } catch (const plat::Failure &) {
        std::abort(); // valid counts are always recorded
    }
    if (file.count() < before + statistics::kRecordLines)
        std::abort();
    const QByteArray written = file.toBytes();
    for (qsizetype i = before; i < file.count(); ++i)
        list.append(file.memoLine(i));
    if (written != list.toBytes())
        std::abort();
    // The record reads back as the last one written.
    if (statistics::UserFileText::fromBytes(written).lines() != file.lines())
        std::abort();
    return 0;
}
