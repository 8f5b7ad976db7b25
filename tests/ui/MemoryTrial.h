#pragma once
// Measures what big input costs the window: the growth of its peak memory as the kernel counts it,
// and the longest time its thread did not get back to its event loop.

#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

namespace tarvex::test {

class TMemoryTrial {
public:
    TMemoryTrial() {
        // "5" starts the peak afresh at the present size, so only what follows counts.
        QFile reset(QStringLiteral("/proc/self/clear_refs"));
        if (reset.open(QIODevice::WriteOnly)) {
            reset.write("5");
        }
        m_before = Kilobytes("VmRSS:");
        m_sinceTick.start();
        m_ticks.setInterval(5);
        QObject::connect(&m_ticks, &QTimer::timeout,
                         [this] { m_longestMs = std::max(m_longestMs, m_sinceTick.restart()); });
        m_ticks.start();
    }

    qint64 PeakGrowthMb() const { return (Kilobytes("VmHWM:") - m_before) / 1024; }
    qint64 LongestBlockMs() const { return std::max(m_longestMs, m_sinceTick.elapsed()); }

    static qint64 Kilobytes(const char* field) {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly)) {
            return -1;
        }
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith(field)) {
                return line.mid(static_cast<qsizetype>(qstrlen(field)))
                    .trimmed()
                    .split(' ')
                    .value(0)
                    .toLongLong();
            }
        }
        return -1;
    }

private:
    qint64 m_before = 0;
    qint64 m_longestMs = 0;
    QElapsedTimer m_sinceTick;
    QTimer m_ticks;
};

} // namespace tarvex::test
