#include "platform/system.h"

#include <QLocale>
#include <QRegularExpression>
#include <QThread>
#include <cmath>
#include <cstdio>

namespace plat {
namespace {

std::unique_ptr<System> &systemStorage()
{
    static std::unique_ptr<System> instance;
    return instance;
}

} // namespace

QLocale regionalLocale(const QLocale &system)
{
    if (system.language() == QLocale::C)
        return QLocale(QLocale::French, QLocale::France);
    return system;
}

System::System() : m_formats(regionalLocale()) {}

System::System(const QLocale &formats) : m_formats(regionalLocale(formats)) {}

QDateTime System::now() const
{
    return QDateTime::currentDateTime();
}

int System::random(int bound)
{
    if (bound <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, bound - 1)(m_generator);
}

QString System::shortDate(const QDate &date) const
{
    return m_formats.toString(date, QLocale::ShortFormat);
}

QString System::longTime(const QTime &time) const
{
    // The desktop's long time is hours, minutes and seconds; Qt's long format
    // adds the time zone, which has no place in the program's texts.
    QString format = m_formats.timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*\\(?t+\\)?")));
    return m_formats.toString(time, format.trimmed());
}

QChar System::decimalSeparator() const
{
    const QString sep = m_formats.decimalPoint();
    return sep.isEmpty() ? QLatin1Char('.') : sep.at(0);
}

void System::sleepMs(int ms)
{
    QThread::msleep(ms);
}

FixedSystem::FixedSystem(QDateTime moment, unsigned seed)
    : System(QLocale(QLocale::French, QLocale::France)), m_moment(std::move(moment))
{
    m_generator.seed(seed);
}

QString FixedSystem::shortDate(const QDate &date) const
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QString FixedSystem::longTime(const QTime &time) const
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}

System &system()
{
    auto &s = systemStorage();
    if (!s)
        s = std::make_unique<System>();
    return *s;
}

void setSystem(std::unique_ptr<System> replacement)
{
    systemStorage() = std::move(replacement);
}

QString floatText(double value, QChar decimalSeparator)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        return QStringLiteral("0"); // no "-0"
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15G", value);
    QString text = QString::fromLatin1(buf);
    // "%G" writes "1E-07"; the program's texts write "1E-7".
    const qsizetype e = text.indexOf(QLatin1Char('E'));
    if (e >= 0) {
        QString mantissa = text.left(e);
        QString exponent = text.mid(e + 1);
        const QChar sign = exponent.at(0);
        exponent = exponent.mid(1);
        while (exponent.size() > 1 && exponent.startsWith(QLatin1Char('0')))
            exponent.remove(0, 1);
        text = mantissa + QLatin1Char('E') + (sign == QLatin1Char('-') ? QStringLiteral("-") : QString())
               + exponent;
    }
    text.replace(QLatin1Char('.'), decimalSeparator);
    return text;
}

QString percentageText(double part, double total)
{
    return floatText(100.0 * part / total, system().decimalSeparator()).left(6);
}

} // namespace plat
