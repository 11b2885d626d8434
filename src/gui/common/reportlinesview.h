// ReportLinesView: a read-only view of a report's lines, unwrapped, with both
// scroll bars, a caret, a selection made with the mouse or the keyboard, and
// copying. It keeps the lines compactly as they are and paints only those in
// sight, so a report of a few hundred thousand lines shows as fast as a short
// one. A screen reader reads its text and follows its caret through the
// accessible text interface (ReportLinesAccessible).
#pragma once

#include "gui/common/reporttext.h"

#include <QAbstractScrollArea>

#include <compare>
#include <string>
#include <utility>
#include <vector>

class ReportLinesView : public QAbstractScrollArea {
    Q_OBJECT
public:
    // A place in the text: a line, and a character offset in it as QString
    // counts them.
    struct Position {
        int line = 0;
        int column = 0;
        friend auto operator<=>(const Position&, const Position&) = default;
    };

    explicit ReportLinesView(QWidget* parent = nullptr);

    // Shows the text's lines. The scroll position, the caret and the selection
    // stay where they were, as far as the new lines reach.
    void SetText(ReportText text);
    void SetLines(const std::vector<std::string>& lines);
    const ReportText& Text() const { return text_; }
    int LineCount() const { return static_cast<int>(text_.LineCount()); }
    QString LineText(int line) const;

    Position Caret() const { return caret_; }
    Position Anchor() const { return anchor_; }
    // Moves the caret; with keepAnchor the selection runs from where it
    // started to the caret, otherwise nothing is selected.
    void SetCaret(Position position, bool keepAnchor = false);
    // Selects from the anchor to the caret (the caret goes there).
    void Select(Position anchor, Position caret);
    bool HasSelection() const { return anchor_ != caret_; }
    // The selection's start and end, in text order.
    std::pair<Position, Position> Selection() const;
    // The text from one place to another, its lines joined by line ends.
    QString TextBetween(Position from, Position to) const;
    // The selected text, its lines joined by line ends.
    QString SelectedText() const;
    void SelectAll();
    // Puts the selection on the clipboard as plain text, and as HTML in the
    // view's font so that a word processor keeps the report's columns.
    void Copy() const;

    // --- The text as one string of lines joined by line ends, as a screen
    // reader reads it: offsets count QString characters ---
    int TextLength() const;
    int OffsetOf(Position position) const;
    Position PositionOf(int offset) const;
    // Where the character at the position is drawn, in the viewport.
    QRect CharacterRect(Position position) const;
    // The place nearest to the point of the viewport.
    Position PositionAt(const QPointF& point) const;
    // Scrolls the position into sight.
    void ScrollTo(Position position);
    // True when every printable ASCII character of the view's font has the
    // same advance, so a line's width follows from its characters alone.
    bool MeasuredFixedPitch() const { return fixedPitch_; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int LineHeight() const;
    // The number of whole lines the viewport shows.
    int LinesInSight() const;
    // The horizontal offset of a column in its line, from the text's left edge.
    qreal XOf(const QString& text, int column) const;
    Position Clamped(Position position) const;
    // The caret's new place for a navigation key; false for any other key.
    bool KeyMove(const QKeyEvent* event, Position& to, bool& select) const;
    void SelectWordAt(Position position);
    void EnsureCaretVisible();
    void MeasureWidth();
    void UpdateScrollBars();
    void PaintLine(QPainter& painter, int line, qreal top) const;
    void OfferSelection() const;
    // Tells a screen reader where the caret and the selection went.
    void TellCaret() const;
    QString TextForScreenReader() const;
    // The QString offset at which each line starts, made when first asked.
    const std::vector<qsizetype>& LineOffsets() const;

    ReportText text_;
    mutable std::vector<qsizetype> lineOffsets_;
    bool fixedPitch_ = false;
    // The most characters of any line, and the width of the widest line.
    int widestChars_ = 0;
    int contentWidth_ = 0;
    Position anchor_;
    Position caret_;
    bool selecting_ = false;
};
