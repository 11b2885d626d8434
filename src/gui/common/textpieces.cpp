#include "gui/common/textpieces.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

QTextBoundaryFinder::BoundaryType FinderType(QAccessible::TextBoundaryType type) {
    switch (type) {
    case QAccessible::WordBoundary:
        return QTextBoundaryFinder::Word;
    case QAccessible::SentenceBoundary:
        return QTextBoundaryFinder::Sentence;
    default:
        return QTextBoundaryFinder::Grapheme;
    }
}

bool EndsAPiece(const QTextBoundaryFinder& finder) {
    return finder.boundaryReasons() &
           (QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem);
}

} // namespace

std::pair<int, int> TextPieceAround(const QString& text, int offset,
                                    QAccessible::TextBoundaryType type) {
    const int size = static_cast<int>(text.size());
    if (size == 0)
        return {0, 0};
    QTextBoundaryFinder finder(FinderType(type), text);
    // An offset on a boundary begins the piece after it, except at the end.
    finder.setPosition(std::clamp(offset, 0, size - 1) + 1);
    int start = finder.toPreviousBoundary();
    while (start > 0 && !EndsAPiece(finder))
        start = finder.toPreviousBoundary();
    start = std::max(start, 0);
    finder.setPosition(start);
    int end = finder.toNextBoundary();
    while (end >= 0 && end < size && !EndsAPiece(finder))
        end = finder.toNextBoundary();
    return {start, end < 0 ? size : end};
}

std::pair<int, int> NeighbourPiece(int offset, int direction, int count,
                                   const std::function<std::pair<int, int>(int)>& pieceAround) {
    if (count <= 0 || offset < 0 || offset > count)
        return {-1, -1};
    const std::pair<int, int> at = pieceAround(offset);
    if (direction < 0)
        return at.first > 0 ? pieceAround(at.first - 1) : std::pair<int, int>{-1, -1};
    if (direction > 0)
        return at.second < count ? pieceAround(at.second) : std::pair<int, int>{-1, -1};
    return at;
}
