#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <chrono>
#include <csignal>
#include <functional>
#include <future>

// What may lie under a file's name when the program writes it, planted for
// the tests of its writers: the rows of their tables.
namespace filekinds {

enum class Kind {
    Nothing,
    Regular,  // a file the row's caller fills
    Folder,
    Fifo,
    LinkToDevNull,
    LinkToFifo,  // a link to a pipe elsewhere
    LinkToFile,  // a link to a regular file elsewhere
    HardLinkToFile,
    DanglingLink,  // a link to a name elsewhere with nothing under it
};

inline const char* name(Kind kind) {
    switch (kind) {
        case Kind::Nothing:
            return "nothing";
        case Kind::Regular:
            return "a regular file";
        case Kind::Folder:
            return "a folder";
        case Kind::Fifo:
            return "a pipe";
        case Kind::LinkToDevNull:
            return "a link to /dev/null";
        case Kind::LinkToFifo:
            return "a link to a pipe";
        case Kind::LinkToFile:
            return "a link to a file elsewhere";
        case Kind::HardLinkToFile:
            return "a hard link to a file elsewhere";
        case Kind::DanglingLink:
            return "a link to nothing";
    }
    return "?";
}

// The files elsewhere that the links of the rows point to: a file whose
// bytes must never change unless written through the link, a pipe, and a
// name with nothing under it.
struct Elsewhere {
    explicit Elsewhere(const QString& folder)
        : file(folder + QStringLiteral("/elsewhere.dat")),
          pipe(folder + QStringLiteral("/elsewhere.fifo")),
          nothing(folder + QStringLiteral("/nothing-here.dat")) {}
    QString file;
    QString pipe;
    QString nothing;
};

inline void write(const QString& path, const QByteArray& bytes) {
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(path);
    out.write(bytes);
}

inline QByteArray read(const QString& path) {
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// Puts `kind` under `path`, which holds nothing yet; `bytes` fill a regular
// file and the file elsewhere.
inline void plant(Kind kind, const QString& path, const Elsewhere& elsewhere,
                  const QByteArray& bytes) {
    const QByteArray name = QFile::encodeName(path);
    const auto link = [&](const QString& target) {
        ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), name.constData()), 0);
    };
    if (!QFileInfo::exists(elsewhere.file)) {
        write(elsewhere.file, bytes);
    }
    if (!QFileInfo::exists(elsewhere.pipe)) {
        ASSERT_EQ(::mkfifo(QFile::encodeName(elsewhere.pipe).constData(), 0600), 0);
    }
    switch (kind) {
        case Kind::Nothing:
            return;
        case Kind::Regular:
            return write(path, bytes);
        case Kind::Folder:
            ASSERT_TRUE(QDir().mkpath(path));
            return;
        case Kind::Fifo:
            ASSERT_EQ(::mkfifo(name.constData(), 0600), 0);
            return;
        case Kind::LinkToDevNull:
            return link(QStringLiteral("/dev/null"));
        case Kind::LinkToFifo:
            return link(elsewhere.pipe);
        case Kind::LinkToFile:
            return link(elsewhere.file);
        case Kind::HardLinkToFile:
            ASSERT_EQ(::link(QFile::encodeName(elsewhere.file).constData(), name.constData()), 0);
            return;
        case Kind::DanglingLink:
            return link(elsewhere.nothing);
    }
}

// What is under `path` now, in the words of name(); for a link, what it
// points to too.
inline QString found(const QString& path) {
    struct stat st = {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) {
        return QStringLiteral("nothing");
    }
    if (S_ISLNK(st.st_mode)) {
        return QStringLiteral("a link to ") + QFileInfo(path).symLinkTarget();
    }
    if (S_ISDIR(st.st_mode)) {
        return QStringLiteral("a folder");
    }
    if (S_ISFIFO(st.st_mode)) {
        return QStringLiteral("a pipe");
    }
    return S_ISREG(st.st_mode) ? QStringLiteral("a regular file") : QStringLiteral("other");
}

// Runs `write`, which a faulty writer would make wait on one of `pipes` for
// ever: should it still run after a bound far beyond any write, the pipes'
// other ends are opened so that the test goes on, and the wait is a failure.
template <typename Result>
Result unhung(const std::function<Result()>& write, const QStringList& pipes) {
    // A write released that way into a pipe nobody reads must fail, not end the test.
    ::signal(SIGPIPE, SIG_IGN);
    auto running = std::async(std::launch::async, write);
    if (running.wait_for(std::chrono::seconds(20)) == std::future_status::timeout) {
        ADD_FAILURE() << "the write waited on a pipe";
        for (const QString& pipe : pipes) {
            const int fd = ::open(QFile::encodeName(pipe).constData(), O_RDWR | O_NONBLOCK);
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }
    return running.get();
}

}  // namespace filekinds
