#include "testing/answerrules.h"

namespace quiz {

const QStringList &punctuationList()
{
    static const QStringList list = {
        QStringLiteral(" ?"), QStringLiteral("?"),  QStringLiteral(" !"),  QStringLiteral("!"),
        QStringLiteral(" :"), QStringLiteral(":"),  QStringLiteral(","),   QStringLiteral("..."),
        QStringLiteral("."),  QStringLiteral("\""), QStringLiteral("'"),   QStringLiteral("("),
        QStringLiteral(")"),  QStringLiteral("<< "), QStringLiteral(" >>"), QStringLiteral("<<"),
        QStringLiteral(">>"), QStringLiteral(" ;"), QStringLiteral(";"),   QStringLiteral("{"),
        QStringLiteral("}"),  QStringLiteral(" /"), QStringLiteral("/ "),  QStringLiteral("/"),
    };
    return list;
}

QString removeEntry(QStringView text, QStringView entry)
{
    if (entry.isEmpty() || text.size() < entry.size())
        return text.toString();
    // The kept text never holds the entry. Each character is appended, and an
    // entry that now ends the kept text is dropped at once: occurrences all
    // have one length, so the first one to end is the leftmost one, and this
    // single pass gives what repeated leftmost removal gives.
    QString kept;
    kept.reserve(text.size());
    const qsizetype n = entry.size();
    for (const QChar c : text) {
        kept.append(c);
        if (kept.size() >= n && QStringView(kept).last(n) == entry)
            kept.chop(n);
    }
    return kept;
}

QString comparisonForm(QStringView text, bool respectCase, bool respectPunctuation)
{
    QString form = text.toString();
    if (!respectPunctuation) {
        for (const QString &entry : punctuationList())
            if (form.contains(entry))
                form = removeEntry(form, entry);
    }
    if (!respectCase) {
        for (QChar &c : form)
            if (c >= u'a' && c <= u'z')
                c = QChar(c.unicode() - u'a' + u'A');
    }
    return form;
}

bool answersMatch(QStringView typed, QStringView expected, bool respectCase, bool respectPunctuation)
{
    return comparisonForm(typed, respectCase, respectPunctuation)
        == comparisonForm(expected, respectCase, respectPunctuation);
}

QString expectedAnswer(QStringView entry)
{
    const qsizetype bracket = entry.indexOf(u'[');
    if (bracket < 0)
        return entry.toString();
    // The note's separating blank goes with the note; a note written right
    // after the term leaves the term whole.
    qsizetype end = bracket;
    while (end > 0 && entry.at(end - 1) == u' ')
        --end;
    return entry.first(end).toString();
}

} // namespace quiz
