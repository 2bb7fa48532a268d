#pragma once

#include <QString>

#include "KillGenerations.h"

// One run of the kill writer, stopped with SIGKILL `delayUs` after it began
// writing from generation `from`.
struct KilledWrite {
    int done = -1;  // the last generation the writer said it finished
    QString why;    // set when the writer did not start or did not die by the kill

    static KilledWrite run(const QString& writerProgram, const QString& root,
                           killgen::Writer writer, int from, int delayUs);
};
