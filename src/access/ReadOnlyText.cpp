#include "access/ReadOnlyText.h"

#include <algorithm>

void ReadOnlyText::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

QString ReadOnlyText::text(int startOffset, int endOffset) const {
    const QString all = shownText();
    // -1 for the end, as AT-SPI asks for the whole text.
    const qsizetype end = endOffset < 0 ? all.size() : std::min<qsizetype>(endOffset, all.size());
    const qsizetype start = std::clamp<qsizetype>(startOffset, 0, end);
    return all.mid(start, end - start);
}

QString ReadOnlyText::attributes(int offset, int* startOffset, int* endOffset) const {
    // One run without attributes over the whole text.
    *startOffset = offset < 0 ? -1 : 0;
    *endOffset = offset < 0 ? -1 : characterCount();
    return {};
}
