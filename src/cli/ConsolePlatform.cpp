#include "cli/ConsolePlatform.h"

ConsolePlatform::ConsolePlatform(QDateTime now, QTextStream& err)
    : now_(std::move(now)), err_(err) {}

void ConsolePlatform::showMessage(const QString& text) {
    err_ << "chronidex: " << text << '\n';
    err_.flush();
    reported_ = true;
}

void ConsolePlatform::showError(const QString& text) {
    showMessage(text);
}
