#include "FakePlatform.h"

#include <QTimer>

void FakeSoundPlayer::setFileName(const QString& path) {
    log << QStringLiteral("file ") + path;
}
bool FakeSoundPlayer::open() {
    log << QStringLiteral("open");
    return !failOpen;
}
bool FakeSoundPlayer::play() {
    log << QStringLiteral("play");
    ended = false;
    return !failOpen;
}
void FakeSoundPlayer::stop() {
    log << QStringLiteral("stop");
}
bool FakeSoundPlayer::setEndHandler(std::function<void()> handler) {
    endHandler = std::move(handler);
    return tellsEnd;
}

void FakeSoundPlayer::finish() {
    ended = true;
    if (tellsEnd && endHandler) {
        endHandler();
    }
}

void FakeSoundPlayer::close() {
    log << QStringLiteral("close");
}

bool FakeInstanceMarker::anotherInstanceRuns() {
    asked = true;
    return othersRunning;
}

void FakePlatform::showMessage(const QString& text) {
    messages << text;
    // A copy: a handler may clear itself, and must not be destroyed while it runs.
    if (const auto handler = onMessage) {
        handler(text);
    }
}

void FakePlatform::showError(const QString& text) {
    errors << text;
    if (const auto handler = onError) {
        handler(text);
    }
}

std::optional<QString> FakePlatform::askText(const QString& caption, const QString& prompt,
                                             const QString& cancelCaption) {
    questions << caption + QLatin1Char('|') + prompt + QLatin1Char('|') + cancelCaption;
    return nextAnswer();
}

std::optional<QString> FakePlatform::chooseFile(const QStringList& filters) {
    chooserFilters = filters;
    return nextAnswer();
}

bool FakePlatform::shellOpen(const QString& target, ShowMode mode) {
    static const char* names[] = {"hidden", "normal", "maximised"};
    opened << QString::fromLatin1(names[int(mode)]) + QLatin1Char(' ') + target;
    return shellOpenResult;
}

bool FakePlatform::startDetached(const QString& program, const QString& workingFolder) {
    started << program + QStringLiteral(" in ") + workingFolder;
    return true;
}

std::optional<QString> FakePlatform::nextAnswer() {
    if (answers.empty()) {
        return std::nullopt;
    }
    const QString answer = answers.front();
    answers.pop_front();
    if (answer.isNull()) {
        return std::nullopt;
    }
    return answer;
}

QList<Monitor> FakePlatform::monitors() const {
    return QList<Monitor>{{desktop, workArea.value_or(desktop)}} + otherMonitors;
}

ReminderAnswer FakePlatform::showReminder(const QString& text, const PutOffChoice& later) {
    putOffChoices << later;
    showMessage(text);
    if (reminderAnswers.empty()) {
        return {};
    }
    const ReminderAnswer answer = reminderAnswers.front();
    reminderAnswers.pop_front();
    return answer;
}

void FakeDesktopNotifier::show(const DesktopNotice& notice, std::function<void(Outcome)> done) {
    shown << notice;
    done_ = std::move(done);
    if (outcomes.empty()) {
        if (whileOpen) {
            QTimer::singleShot(0, whileOpen);
        }
        return;
    }
    const Outcome outcome = outcomes.front();
    outcomes.pop_front();
    QTimer::singleShot(0, [this, outcome] {
        if (done_) {
            std::exchange(done_, {})(outcome);
        }
    });
}

void FakeDesktopNotifier::withdraw() {
    ++withdrawn;
    done_ = {};
}
