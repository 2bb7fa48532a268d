#include "texts/TextLanguage.h"

#include <atomic>

namespace texts {

namespace {
std::atomic<bool> englishChosen{false};
}  // namespace

void speakEnglish() {
    englishChosen.store(true, std::memory_order_relaxed);
}

bool speaksEnglish() {
    return englishChosen.load(std::memory_order_relaxed);
}

QString russianOrEnglish(const QString& russian, const QString& english) {
    return speaksEnglish() ? english : russian;
}

}  // namespace texts
