#pragma once
#include <QElapsedTimer>
#include <QtGlobal>

#include <functional>

namespace plat {

// Long work on big input calls step() as it goes, and every few tens of
// milliseconds at most the function it was given runs; a window can repaint
// itself there. The clock is read only once in many steps, so a step costs
// next to nothing in a tight loop. A default Progress calls nothing.
class Progress {
public:
    Progress() = default;
    explicit Progress(std::function<void()> beat, qint64 everyMs = 40)
        : m_beat(std::move(beat)), m_everyMs(everyMs)
    {
        m_clock.start();
    }

    // A Progress for callers that have nothing to show.
    static Progress &none()
    {
        thread_local Progress quiet;
        return quiet;
    }

    void step(qsizetype work = 1)
    {
        m_pending += work;
        if (m_pending >= kStride)
            beatWhenDue();
    }
    // Between two long steps of unknown length (reading, decoding).
    void beatWhenDue()
    {
        m_pending = 0;
        if (m_beat && m_clock.elapsed() >= m_everyMs) {
            m_beat();
            m_clock.restart();
        }
    }

private:
    static constexpr qsizetype kStride = 1 << 14;
    std::function<void()> m_beat;
    qint64 m_everyMs = 40;
    QElapsedTimer m_clock;
    qsizetype m_pending = 0;
};

} // namespace plat
