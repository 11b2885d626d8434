// The pieces of a text that screen readers ask for (a character, a word or the
// blanks between two words, a sentence) at, before or after an offset. They
// are found here rather than by Qt's own text interface, whose search for the
// end of a word never ends on a text that holds no word.
#pragma once

#include <QAccessible>
#include <QString>

#include <functional>
#include <utility>

// [start, end) of the piece of the text that holds the offset: for words, a
// word or the run of other characters between two words (all of a text that
// holds no word). Offsets outside the text are taken as its nearest end.
std::pair<int, int> TextPieceAround(const QString& text, int offset,
                                    QAccessible::TextBoundaryType type);

// The piece at (direction 0), before (-1) or after (+1) the offset of a text
// of count characters, where pieceAround(offset) gives the piece that holds
// an offset; {-1, -1} when there is none (before the first, after the last).
std::pair<int, int> NeighbourPiece(int offset, int direction, int count,
                                   const std::function<std::pair<int, int>(int)>& pieceAround);
