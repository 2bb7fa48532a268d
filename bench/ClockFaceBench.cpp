// Prints what one redraw of the clock face costs, with the skin's files kept
// from the last reading and with both read from disk at every tick, as ten
// redraws a second do. Figures only; nothing here passes or fails.

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "BenchPlatform.h"
#include "clockface/ui/ClockFace.h"
#include "clockface/ui/FaceView.h"
#include "platform/Platform.h"
#include "state/ClockState.h"

// Every heap block, of operator new and of the C allocator alike (image
// buffers come from the latter), is counted by wrapping the C allocator.
namespace {

std::atomic<long long> allocations{0};
std::atomic<long long> allocatedBytes{0};

}  // namespace

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);

void* malloc(std::size_t size) {
    ++allocations;
    allocatedBytes += static_cast<long long>(size);
    return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size) {
    ++allocations;
    allocatedBytes += static_cast<long long>(count * size);
    return __libc_calloc(count, size);
}

void* realloc(void* p, std::size_t size) {
    ++allocations;
    allocatedBytes += static_cast<long long>(size);
    return __libc_realloc(p, size);
}
}

namespace {

void writeAged(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
    file.flush();  // a later flush would stamp the file anew
    file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3600),
                     QFileDevice::FileModificationTime);
}

QByteArray faceBitmap() {
    QImage image(189, 189, QImage::Format_RGB888);
    for (int y = 0; y < 189; ++y) {
        for (int x = 0; x < 189; ++x) {
            image.setPixel(x, y, qRgb(x, y, (x + y) / 2));
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

void run(const char* name, ClockFace& face, BenchPlatform& platform, int ticks, bool reread) {
    const long long allocationsBefore = allocations;
    const long long bytesBefore = allocatedBytes;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < ticks; ++i) {
        if (reread) {
            face.forgetSkinFiles();
        }
        platform.clock = platform.clock.addSecs(1);
        face.drawClockFace();
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    const double us = std::chrono::duration<double, std::micro>(elapsed).count() / ticks;
    std::printf("%-28s %7d ticks  %9.1f us/tick  %7.1f allocations/tick  %10.0f bytes/tick\n", name,
                ticks, us, double(allocations - allocationsBefore) / ticks,
                double(allocatedBytes - bytesBefore) / ticks);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);

    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("skins"));
    writeAged(dir.filePath(QStringLiteral("skins/Bench.skn")), "9\r\n0\r\n4\r\n94\r\n94\r\n85\r\n");
    writeAged(dir.filePath(QStringLiteral("skins/Bench.bmp")), faceBitmap());

    ClockState state;
    state.programFolder = ProgramFolder(dir.path());
    state.settings = SettingsRecord::defaults();
    state.settings.setSkinFile(QStringLiteral("Bench.skn"));
    state.skinName = QStringLiteral("Bench");
    BenchPlatform platform;
    FaceView target;
    target.resize(ClockFace::kFaceSize, ClockFace::kFaceSize);
    ClockFace face(state, platform, target);
    face.drawClockFace();  // first reading, outside the figures

    run("unchanged files (cached)", face, platform, 5000, false);
    run("read at every tick", face, platform, 1000, true);
    std::printf("readings: description %d, bitmap %d\n", face.descriptionReads(),
                face.bitmapReads());
    return 0;
}
