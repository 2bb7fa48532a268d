#include "scheduler/RecordRemoval.h"

#include <fcntl.h>

#include <QDir>
#include <QFileInfo>

#include "scheduler/ScheduleEntry.h"
#include "settings/PlainFile.h"
#include "texts/ScheduleTexts.h"

namespace {
// Bytes per read of a rewrite, and so at most per write: few calls, and
// little held beside the file.
constexpr qsizetype kWriteBuffer = 1 << 20;
}  // namespace

RecordRemoval::RecordRemoval(QString path, QString scratchPath, int recordSize, Drops drops)
    : path_(std::move(path)),
      scratchPath_(std::move(scratchPath)),
      size_(recordSize),
      drops_(std::move(drops)),
      target_(path_) {}

RecordRemoval::RecordRemoval(QString path, QString scratchPath, int recordSize,
                             const ScheduleKey& key)
    : RecordRemoval(std::move(path), std::move(scratchPath), recordSize,
                    [day = ScheduleEntry::dayNumber(key.day), time = key.time](QByteArrayView rec) {
                        return ScheduleEntry::recordMatches(rec, day, time);
                    }) {}

Failure RecordRemoval::failed(QString (*text)(const QString&, const QString&),
                              const QString& why) const {
    return {text(QDir::toNativeSeparators(path_), why)};
}

Expected<void> RecordRemoval::run() {
    // A second line of a key deleted from the list, or the file emptied by
    // another program meanwhile: nothing is left to take, and what is to be
    // added makes the file anew.
    if (!QFileInfo::exists(path_)) {
        return tail_.isEmpty() ? Expected<void>() : create();
    }
    linked_ = QFileInfo(path_).isSymLink();
    target_ = linked_ ? plainfile::linkEnd(path_) : path_;
    const Expected<int> fd = plainfile::openRegular(target_, O_RDONLY);
    if (!fd) {
        return failed(scheduletexts::notOpened, fd.error());
    }
    main_.open(*fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle);
    if (linked_) {
        scratch_.emplace(target_, ScratchWriter::Naming::Beside);
    } else {
        scratch_.emplace(scratchPath_);
    }
    in_ = QByteArray(qMax<qsizetype>(1, kWriteBuffer / size_) * size_, Qt::Uninitialized);
    if (Expected<void> scanned = scan(); !scanned) {
        return scanned;
    }
    const Expected<void> done = finish();
    main_.close();
    return done;
}

void RecordRemoval::setTail(QByteArray records) {
    tail_ = std::move(records);
}

// A missing file with records to add: made through the scratch file, as
// every rewrite is.
Expected<void> RecordRemoval::create() {
    ScratchWriter scratch(scratchPath_);
    if (!passed(scratch.open()) || !passed(scratch.write(tail_)) ||
        !passed(scratch.commitOver(path_))) {
        return failed(scheduletexts::notWritten, why_);
    }
    return {};
}

// Reads the file through, looking for the records to drop and streaming the
// kept ones once the first of them was found.
Expected<void> RecordRemoval::scan() {
    for (;;) {
        const qint64 got = main_.read(in_.data(), in_.size());
        if (got <= 0) {
            break;
        }
        if (!take(got)) {
            return failed(scheduletexts::notRewritten, why_);
        }
        if (got % size_ != 0) {
            break;  // a partial record at the end, which no reader takes
        }
    }
    if (main_.error() != QFileDevice::NoError) {
        if (begun_) {
            scratch_->discard();
        }
        return failed(scheduletexts::notRead, main_.errorString());
    }
    return {};
}

// The whole records of one read.
bool RecordRemoval::take(qint64 got) {
    const qint64 whole = got / size_;
    for (qint64 r = 0; r < whole; ++r) {
        const QByteArrayView rec(in_.constData() + r * size_, size_);
        if (drops_(rec)) {
            if (firstMatch_ < 0) {
                firstMatch_ = offset_ + r * size_;
                if (firstMatch_ > 0 && !begin()) {
                    return false;
                }
            } else if (!writeRun(r)) {
                return false;
            }
            continue;
        }
        keptBytes_ += size_;
        if (firstMatch_ < 0) {
            continue;
        }
        if (!begun_ && !begin()) {
            return false;
        }
        if (run_ < 0) {
            run_ = r;
        }
    }
    offset_ += whole * size_;
    return writeRun(whole);
}

// The records before the first one dropped are copied by the kernel from
// the file already open, not read a second time.
bool RecordRemoval::begin() {
    begun_ = true;
    return passed(scratch_->open()) &&
           (firstMatch_ <= 0 || passed(scratch_->copyFrom(main_, 0, firstMatch_)));
}

// Whether a step of the rewrite went through; why not is kept for the message.
bool RecordRemoval::passed(const Expected<void>& step) {
    why_ = step.error();
    return step.ok();
}

// Kept records next to each other in `in_` go out in one write.
bool RecordRemoval::writeRun(qint64 end) {
    const qint64 from = run_;
    run_ = -1;
    return from < 0 || passed(scratch_->write(
                           QByteArrayView(in_.constData() + from * size_, (end - from) * size_)));
}

Expected<void> RecordRemoval::finish() {
    if (firstMatch_ < 0 && tail_.isEmpty()) {
        return {};  // nothing to drop: the file stays as it is
    }
    // A link stays, for the user who put it there, and so does the file it
    // ends in, empty: a schedule without records.
    if (keptBytes_ == 0 && tail_.isEmpty() && !linked_) {
        if (!QFile::remove(path_)) {
            return Failure{scheduletexts::notDeleted(QDir::toNativeSeparators(path_))};
        }
        QFile::remove(scratchPath_);  // one left over by an interrupted rewrite
        return {};
    }
    if (!begun_) {
        // Nothing dropped: the whole records are copied, the records to
        // add follow them.
        if (firstMatch_ < 0) {
            firstMatch_ = keptBytes_;
        }
        if (!begin()) {
            return failed(scheduletexts::notRewritten, why_);
        }
    }
    if ((!tail_.isEmpty() && !passed(scratch_->write(tail_))) ||
        !passed(scratch_->commitOver(target_))) {
        return failed(scheduletexts::notRewritten, why_);
    }
    return {};
}
