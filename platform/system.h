#pragma once
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <functional>
#include <memory>
#include <random>

namespace plat {

// Clock, random draw and locale formats, in one place so that tests can pin a
// French locale, a fixed moment and a seeded generator.
class System {
public:
    // The formats of the user's locale (see regionalLocale).
    System();
    explicit System(const QLocale &formats);
    virtual ~System() = default;
    virtual QDateTime now() const;
    // A uniform whole number from 0 to bound - 1; 0 when bound is 0 or less.
    virtual int random(int bound);
    virtual QString shortDate(const QDate &date) const;
    virtual QString longTime(const QTime &time) const;
    virtual QChar decimalSeparator() const;
    // Blocks the calling thread; tests replace it with nothing.
    virtual void sleepMs(int ms);

protected:
    std::mt19937 m_generator{std::random_device{}()};

private:
    QLocale m_formats;
};

// The locale whose formats the program uses: the user's own, except that a
// machine left in the C or POSIX locale gets French formats, as the whole
// interface is French.
QLocale regionalLocale(const QLocale &system = QLocale::system());

// A French locale, a fixed or settable moment and a seeded generator.
class FixedSystem : public System {
public:
    explicit FixedSystem(QDateTime moment = QDateTime(QDate(2026, 12, 8), QTime(10, 30, 15)),
                         unsigned seed = 1);
    QDateTime now() const override { return m_moment; }
    QString shortDate(const QDate &date) const override;
    QString longTime(const QTime &time) const override;
    QChar decimalSeparator() const override { return QLatin1Char(','); }
    void sleepMs(int) override {}
    void setNow(const QDateTime &moment) { m_moment = moment; }

private:
    QDateTime m_moment;
};

System &system();
// Installs a replacement; nullptr restores the real one.
void setSystem(std::unique_ptr<System> replacement);

// 100 * part / total as the shortest decimal text of at most 15 significant
// digits with the locale's separator, cut (not rounded) to six characters.
QString percentageText(double part, double total);
// The shortest text of a number with at most 15 significant digits.
QString floatText(double value, QChar decimalSeparator);

} // namespace plat
