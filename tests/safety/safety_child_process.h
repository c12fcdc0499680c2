#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

namespace mw::test {

// The second running copy (tests/safety/safety_child.cpp) as a child
// process, read line by line. Every wait has a generous guard, so that a
// hang fails the test instead of stopping it.
class SafetyChild {
public:
    static constexpr int kGuardMs = 30000;

    explicit SafetyChild(const QStringList& arguments) {
        m_process.setProgram(QStringLiteral(MW_SAFETY_CHILD));
        m_process.setArguments(arguments);
        m_process.start();
    }
    ~SafetyChild() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(kGuardMs);
        }
    }
    SafetyChild(const SafetyChild&) = delete;
    SafetyChild& operator=(const SafetyChild&) = delete;

    // The first line from now on that starts with `word`, or an empty text
    // when the child ended or the guard ran out first.
    QString waitFor(const QString& word) {
        QElapsedTimer guard;
        guard.start();
        for (;;) {
            while (m_next < m_lines.size()) {
                const QString& line = m_lines[m_next++];
                if (line.startsWith(word)) {
                    return line;
                }
            }
            if (guard.elapsed() > kGuardMs) {
                return QString();
            }
            if (!m_process.waitForReadyRead(100) && m_process.state() == QProcess::NotRunning) {
                collect();
                if (m_next >= m_lines.size()) {
                    return QString();
                }
            }
            collect();
        }
    }
    void tell(const QByteArray& line) {
        m_process.write(line + '\n');
        m_process.waitForBytesWritten(kGuardMs);
    }
    // Waits for the end (within the guard); false when it did not come.
    bool finish() {
        const bool ended =
            m_process.state() == QProcess::NotRunning || m_process.waitForFinished(kGuardMs);
        collect();
        return ended;
    }
    // SIGKILL, at whatever the child is doing.
    void kill() {
        m_process.kill();
        m_process.waitForFinished(kGuardMs);
        collect();
    }
    const QStringList& lines() {
        collect();
        return m_lines;
    }
    QString errors() { return QString::fromUtf8(m_process.readAllStandardError()); }
    QProcess& process() { return m_process; }

private:
    void collect() {
        m_pending += m_process.readAllStandardOutput();
        qsizetype end = 0;
        while ((end = m_pending.indexOf('\n')) >= 0) {
            m_lines << QString::fromUtf8(m_pending.left(end));
            m_pending.remove(0, end + 1);
        }
    }

    QProcess m_process;
    QByteArray m_pending;
    QStringList m_lines;
    qsizetype m_next = 0;
};

}  // namespace mw::test
