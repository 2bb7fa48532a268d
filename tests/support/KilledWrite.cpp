#include "KilledWrite.h"

#include <QProcess>
#include <QThread>

KilledWrite KilledWrite::run(const QString& writerProgram, const QString& root,
                             killgen::Writer writer, int from, int delayUs) {
    QProcess process;
    process.start(writerProgram, {root, killgen::name(writer), QString::number(from)});
    KilledWrite kill;
    // The writer says "ready" before its first write, so the delay is spent
    // writing, not starting.
    if (!process.waitForReadyRead(10000)) {
        kill.why = QStringLiteral("no start: ") + process.errorString();
        return kill;
    }
    QThread::usleep(ulong(delayUs));
    process.kill();  // SIGKILL
    process.waitForFinished(10000);
    if (process.exitStatus() != QProcess::CrashExit) {
        kill.why = QStringLiteral("the writer ended by itself: ") +
                   QString::fromLocal8Bit(process.readAllStandardError());
    }
    kill.done = from;
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        bool ok = false;
        const int g = line.toInt(&ok);
        if (ok) {
            kill.done = g;
        }
    }
    return kill;
}
