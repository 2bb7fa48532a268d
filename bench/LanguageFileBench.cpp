// Prints what one pass of the language reader costs over files of growing
// size and of several shapes, per byte, so that a cost growing faster than
// the file shows as a rising column. Figures only; nothing here fails.

#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <functional>

#include "locale/LanguageFile.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Shape {
    const char* name;
    std::function<QByteArray(qsizetype)> make;  // about this many bytes
};

QByteArray repeated(const QByteArray& unit, qsizetype bytes) {
    return unit.repeated(qMax<qsizetype>(1, bytes / unit.size()));
}

const Shape kShapes[] = {
    {"short lines, no section", [](qsizetype n) { return repeated("some text\r\n", n); }},
    {"long section",
     [](qsizetype n) { return "[month]\r\n" + repeated("Januar\r\n", n) + "[end]\r\n"; }},
    {"header on every line", [](qsizetype n) { return repeated("[funmem]\r\n", n); }},
    {"one line, no line end", [](qsizetype n) { return QByteArray(n, 'x'); }},
    {"lone CRs", [](qsizetype n) { return QByteArray(n, '\r'); }},
    {"lone LFs", [](qsizetype n) { return QByteArray(n, '\n'); }},
};

double secondsFor(const std::function<void()>& pass) {
    int rounds = 0;
    const Clock::time_point start = Clock::now();
    Clock::duration spent{};
    do {
        pass();
        ++rounds;
        spent = Clock::now() - start;
    } while (spent < std::chrono::milliseconds(200));
    return std::chrono::duration<double>(spent).count() / rounds;
}

}  // namespace

int main() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.lng"));
    std::printf("%-26s %10s %14s %14s %14s\n", "shape", "bytes", "section ns/B", "table ns/B",
                "list ns/B");
    for (const Shape& shape : kShapes) {
        for (const qsizetype size : {qsizetype(10'000), qsizetype(100'000), qsizetype(1'000'000)}) {
            const QByteArray bytes = shape.make(size);
            QFile out(path);
            if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
                out.write(bytes) != bytes.size()) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return 1;
            }
            out.close();
            const LanguageFile file(path);
            const double section = secondsFor([&] {
                QStringList texts(5);
                (void)file.readSection(QStringLiteral("[funmem]"), texts);
            });
            const double table = secondsFor([&] {
                QStringList texts(13);
                (void)file.readTable(QStringLiteral("[month]"), texts, 1);
            });
            const double list = secondsFor([&] {
                QStringList lines;
                (void)file.readList(QStringLiteral("[month]"), lines);
            });
            const double perByte = 1e9 / double(bytes.size());
            std::printf("%-26s %10lld %14.1f %14.1f %14.1f\n", shape.name,
                        static_cast<long long>(bytes.size()), section * perByte, table * perByte,
                        list * perByte);
        }
    }
    return 0;
}
