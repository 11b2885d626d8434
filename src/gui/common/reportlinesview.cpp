#include "gui/common/reportlinesview.h"

#include "print/reportprint.h"

#include <QAccessible>
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtMath>

#include <algorithm>
#include <climits>

namespace {

// The blank border around the text, as text editors leave it.
constexpr int Margin = 4;

// The QString characters of a UTF-8 line: one per code point, two for a
// code point beyond the first 65,536 (a four-byte sequence).
qsizetype Utf16Length(std::string_view line) {
    qsizetype length = 0;
    for (char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        length += (byte & 0xC0) != 0x80;
        length += byte >= 0xF0;
    }
    return length;
}

bool IsWordChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

} // namespace

ReportLinesView::ReportLinesView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    fixedPitch_ = bm::IsFixedPitch(font());
    UpdateScrollBars();
}

void ReportLinesView::SetText(ReportText text) {
    const QString before = TextForScreenReader();
    text_ = std::move(text);
    lineOffsets_.clear();
    widestChars_ = text_.WidestChars();
    anchor_ = Clamped(anchor_);
    caret_ = Clamped(caret_);
    MeasureWidth();
    UpdateScrollBars();
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent update(this, 0, before, TextForScreenReader());
        QAccessible::updateAccessibility(&update);
        TellCaret();
    }
}

void ReportLinesView::SetLines(const std::vector<std::string>& lines) {
    SetText(ReportText::FromLines(lines));
}

void ReportLinesView::SetCaret(Position position, bool keepAnchor) {
    caret_ = Clamped(position);
    if (!keepAnchor)
        anchor_ = caret_;
    viewport()->update();
    TellCaret();
}

void ReportLinesView::Select(Position anchor, Position caret) {
    anchor_ = Clamped(anchor);
    SetCaret(caret, true);
}

void ReportLinesView::TellCaret() const {
    if (!QAccessible::isActive())
        return;
    auto* self = const_cast<ReportLinesView*>(this);
    QAccessibleTextCursorEvent moved(self, OffsetOf(caret_));
    QAccessible::updateAccessibility(&moved);
    const auto [from, to] = Selection();
    QAccessibleTextSelectionEvent selected(self, OffsetOf(from), OffsetOf(to));
    selected.setCursorPosition(OffsetOf(caret_));
    QAccessible::updateAccessibility(&selected);
}

// The whole text a screen reader is told of when the view takes new lines;
// a text of more than a few megabytes is not told (it would take longer to
// pass than to read), only the caret.
QString ReportLinesView::TextForScreenReader() const {
    constexpr int MostTold = 4 << 20;
    if (!QAccessible::isActive() || TextLength() > MostTold)
        return {};
    QString text;
    text.reserve(TextLength());
    for (int line = 0; line < LineCount(); ++line) {
        if (line > 0)
            text += QLatin1Char('\n');
        text += LineText(line);
    }
    return text;
}

const std::vector<qsizetype>& ReportLinesView::LineOffsets() const {
    if (lineOffsets_.empty() && !text_.Empty()) {
        lineOffsets_.reserve(text_.LineCount() + 1);
        qsizetype offset = 0;
        for (std::size_t line = 0; line < text_.LineCount(); ++line) {
            lineOffsets_.push_back(offset);
            offset += Utf16Length(text_.Line(line)) + 1;
        }
        // One past the end, as if the last line had its line end.
        lineOffsets_.push_back(offset);
    }
    return lineOffsets_;
}

int ReportLinesView::TextLength() const {
    if (text_.Empty())
        return 0;
    return static_cast<int>(std::min<qsizetype>(LineOffsets().back() - 1, INT_MAX));
}

int ReportLinesView::OffsetOf(Position position) const {
    if (text_.Empty())
        return 0;
    const Position at = Clamped(position);
    return static_cast<int>(
        std::min<qsizetype>(LineOffsets()[static_cast<std::size_t>(at.line)] + at.column, INT_MAX));
}

ReportLinesView::Position ReportLinesView::PositionOf(int offset) const {
    if (text_.Empty())
        return {};
    const std::vector<qsizetype>& offsets = LineOffsets();
    const auto after = std::upper_bound(offsets.begin(), offsets.end() - 1, qsizetype{offset});
    const int line = std::max(0, static_cast<int>(after - offsets.begin()) - 1);
    return Clamped({line, static_cast<int>(offset - offsets[static_cast<std::size_t>(line)])});
}

QRect ReportLinesView::CharacterRect(Position position) const {
    const Position at = Clamped(position);
    const QString text = LineText(at.line);
    const qreal left = Margin - horizontalScrollBar()->value() + XOf(text, at.column);
    const qreal right = at.column < text.size()
                            ? Margin - horizontalScrollBar()->value() + XOf(text, at.column + 1)
                            : left + QFontMetricsF(font()).horizontalAdvance(QLatin1Char(' '));
    const int top = Margin + (at.line - verticalScrollBar()->value()) * LineHeight();
    return QRectF(QPointF(left, top), QPointF(right, top + LineHeight())).toAlignedRect();
}

void ReportLinesView::ScrollTo(Position position) {
    const Position caret = caret_;
    caret_ = Clamped(position);
    EnsureCaretVisible();
    caret_ = caret;
}

QString ReportLinesView::SelectedText() const {
    const auto [from, to] = Selection();
    return TextBetween(from, to);
}

QString ReportLinesView::TextBetween(Position from, Position to) const {
    QString text;
    for (int line = from.line; line <= to.line && from < to; ++line) {
        const QString whole = LineText(line);
        const int start = line == from.line ? from.column : 0;
        const int end = line == to.line ? to.column : static_cast<int>(whole.size());
        if (line > from.line)
            text += QLatin1Char('\n');
        text += whole.mid(start, end - start);
    }
    return text;
}

void ReportLinesView::SelectAll() {
    Select({}, {LineCount(), INT_MAX});
}

void ReportLinesView::Copy() const {
    if (!HasSelection())
        return;
    const QString text = SelectedText();
    auto* data = new QMimeData;
    data->setText(text);
    data->setHtml(QStringLiteral("<pre style=\"font-family: '%1'; font-size: %2pt\">%3</pre>")
                      .arg(font().family().toHtmlEscaped(),
                           QString::number(QFontInfo(font()).pointSizeF()), text.toHtmlEscaped()));
    QGuiApplication::clipboard()->setMimeData(data);
}

// Where the platform has a selection clipboard, the text selected with the
// mouse is offered there, as every text view does.
void ReportLinesView::OfferSelection() const {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (HasSelection() && clipboard->supportsSelection())
        clipboard->setText(SelectedText(), QClipboard::Selection);
}

QString ReportLinesView::LineText(int line) const {
    if (line < 0 || line >= LineCount())
        return {};
    const std::string_view text = text_.Line(static_cast<std::size_t>(line));
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Whole pixels per line, rounded up as text layouts round them.
int ReportLinesView::LineHeight() const {
    return std::max(1, qCeil(QFontMetricsF(font()).lineSpacing()));
}

int ReportLinesView::LinesInSight() const {
    return std::max(1, (viewport()->height() - 2 * Margin) / LineHeight());
}

qreal ReportLinesView::XOf(const QString& text, int column) const {
    if (column <= 0)
        return 0;
    return QFontMetricsF(font()).horizontalAdvance(text, column);
}

ReportLinesView::Position ReportLinesView::PositionAt(const QPointF& point) const {
    if (text_.Empty())
        return {};
    const int row = qFloor((point.y() - Margin) / LineHeight());
    const int line = std::clamp(verticalScrollBar()->value() + row, 0, LineCount() - 1);
    const QString text = LineText(line);
    const qreal x = point.x() - Margin + horizontalScrollBar()->value();
    // The last column that starts at or before x, then the nearer of it and
    // the next one.
    int low = 0;
    int high = static_cast<int>(text.size());
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (XOf(text, middle) <= x)
            low = middle;
        else
            high = middle - 1;
    }
    if (low < text.size() && x - XOf(text, low) > XOf(text, low + 1) - x)
        ++low;
    return {line, low};
}

ReportLinesView::Position ReportLinesView::Clamped(Position position) const {
    if (text_.Empty())
        return {};
    position.line = std::clamp(position.line, 0, LineCount() - 1);
    position.column =
        std::clamp(position.column, 0, static_cast<int>(LineText(position.line).size()));
    return position;
}

std::pair<ReportLinesView::Position, ReportLinesView::Position> ReportLinesView::Selection() const {
    return std::minmax(anchor_, caret_);
}

void ReportLinesView::SelectWordAt(Position position) {
    const QString text = LineText(position.line);
    int start = position.column;
    int end = position.column;
    while (start > 0 && IsWordChar(text.at(start - 1)))
        --start;
    while (end < text.size() && IsWordChar(text.at(end)))
        ++end;
    // Between words a double click takes the one character it hit.
    if (start == end && end < text.size())
        ++end;
    Select({position.line, start}, {position.line, end});
}

void ReportLinesView::EnsureCaretVisible() {
    QScrollBar* down = verticalScrollBar();
    if (caret_.line < down->value())
        down->setValue(caret_.line);
    else if (caret_.line >= down->value() + LinesInSight())
        down->setValue(caret_.line - LinesInSight() + 1);
    QScrollBar* across = horizontalScrollBar();
    const int x = qRound(XOf(LineText(caret_.line), caret_.column));
    const int width = viewport()->width() - 2 * Margin;
    if (x < across->value())
        across->setValue(x);
    else if (x > across->value() + width)
        across->setValue(x - width);
}

// A fixed-pitch font (as measured) gives the widest line from its character
// count alone. Any other font has its longest lines measured, down to the
// first line too short to be wider than the widest found.
void ReportLinesView::MeasureWidth() {
    const QFontMetricsF metrics(font());
    if (fixedPitch_) {
        contentWidth_ = qCeil(widestChars_ * metrics.horizontalAdvance(QLatin1Char('0')));
        return;
    }
    std::vector<std::pair<int, int>> byLength;
    byLength.reserve(text_.LineCount());
    for (int line = 0; line < LineCount(); ++line)
        byLength.emplace_back(CharCount(text_.Line(static_cast<std::size_t>(line))), line);
    std::sort(byLength.begin(), byLength.end(), std::greater<>());
    qreal widest = 0;
    for (const auto& [chars, line] : byLength) {
        if (chars * metrics.maxWidth() <= widest)
            break;
        widest = std::max(widest, metrics.horizontalAdvance(LineText(line)));
    }
    contentWidth_ = qCeil(widest);
}

void ReportLinesView::UpdateScrollBars() {
    const int inSight = LinesInSight();
    verticalScrollBar()->setRange(0, std::max(0, LineCount() - inSight));
    verticalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setPageStep(inSight);
    const int width = viewport()->width();
    horizontalScrollBar()->setRange(0, std::max(0, contentWidth_ + 2 * Margin - width));
    horizontalScrollBar()->setSingleStep(std::max(1, QFontMetrics(font()).averageCharWidth()));
    horizontalScrollBar()->setPageStep(width);
}

bool ReportLinesView::event(QEvent* event) {
    // Copy and Select All belong to the view while it has the focus, before
    // any menu shortcut of the window.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll)) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void ReportLinesView::PaintLine(QPainter& painter, int line, qreal top) const {
    const QString text = LineText(line);
    const QFontMetricsF metrics(font());
    const qreal left = Margin - horizontalScrollBar()->value();
    const QPointF baseline(left, top + metrics.ascent());
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(baseline, text);
    const auto [from, to] = Selection();
    if (from == to || line < from.line || line > to.line)
        return;
    const int start = line == from.line ? from.column : 0;
    const int end = line == to.line ? to.column : static_cast<int>(text.size());
    qreal right = left + XOf(text, end);
    // A selected line end shows as one blank.
    if (line < to.line)
        right += metrics.horizontalAdvance(QLatin1Char(' '));
    const QRectF band(QPointF(left + XOf(text, start), top), QPointF(right, top + LineHeight()));
    painter.save();
    painter.fillRect(band, palette().brush(QPalette::Highlight));
    painter.setClipRect(band);
    painter.setPen(palette().color(QPalette::HighlightedText));
    painter.drawText(baseline, text);
    painter.restore();
}

void ReportLinesView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setFont(font());
    const int height = LineHeight();
    const int first = verticalScrollBar()->value();
    const QRect area = event->rect();
    for (int line = first; line < LineCount(); ++line) {
        const int top = Margin + (line - first) * height;
        if (top > area.bottom())
            break;
        if (top + height > area.top())
            PaintLine(painter, line, top);
    }
    if (!hasFocus())
        return;
    const qreal x =
        Margin - horizontalScrollBar()->value() + XOf(LineText(caret_.line), caret_.column);
    const int top = Margin + (caret_.line - first) * height;
    painter.fillRect(QRectF(x, top, 1, height), palette().brush(QPalette::Text));
}

void ReportLinesView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void ReportLinesView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        fixedPitch_ = bm::IsFixedPitch(font());
        MeasureWidth();
        UpdateScrollBars();
        viewport()->update();
    }
}

// The scroll bars give the first line and the left edge that paintEvent
// draws from, so any scroll repaints the view.
void ReportLinesView::scrollContentsBy(int, int) {
    viewport()->update();
}

bool ReportLinesView::KeyMove(const QKeyEvent* event, Position& to, bool& select) const {
    const auto is = [&](QKeySequence::StandardKey move, QKeySequence::StandardKey extend) {
        select = event->matches(extend);
        return select || event->matches(move);
    };
    const int length = static_cast<int>(LineText(caret_.line).size());
    const int page = LinesInSight();
    to = caret_;
    if (is(QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar))
        to = caret_.column < length          ? Position{caret_.line, caret_.column + 1}
             : caret_.line + 1 < LineCount() ? Position{caret_.line + 1, 0}
                                             : caret_;
    else if (is(QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar))
        to = caret_.column > 0 || caret_.line == 0 ? Position{caret_.line, caret_.column - 1}
                                                   : Position{caret_.line - 1, INT_MAX};
    else if (is(QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine))
        to.line += 1;
    else if (is(QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine))
        to.line -= 1;
    else if (is(QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage))
        to.line += page;
    else if (is(QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage))
        to.line -= page;
    else if (is(QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine))
        to.column = 0;
    else if (is(QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine))
        to.column = length;
    else if (is(QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument))
        to = {};
    else if (is(QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument))
        to = {LineCount(), INT_MAX};
    else
        return false;
    return true;
}

void ReportLinesView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        Copy();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        SelectAll();
        return;
    }
    Position to;
    bool select = false;
    if (!KeyMove(event, to, select)) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    // A page key turns the page as it moves the caret.
    const int lines = Clamped(to).line - caret_.line;
    if (std::abs(lines) > 1)
        verticalScrollBar()->setValue(verticalScrollBar()->value() + lines);
    SetCaret(to, select);
    EnsureCaretVisible();
}

void ReportLinesView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    selecting_ = true;
    SetCaret(PositionAt(event->position()), event->modifiers().testFlag(Qt::ShiftModifier));
    EnsureCaretVisible();
}

void ReportLinesView::mouseMoveEvent(QMouseEvent* event) {
    if (!selecting_ || !event->buttons().testFlag(Qt::LeftButton))
        return;
    // Dragging past an edge scrolls the view towards it.
    SetCaret(PositionAt(event->position()), true);
    EnsureCaretVisible();
}

void ReportLinesView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !selecting_)
        return;
    selecting_ = false;
    OfferSelection();
}

void ReportLinesView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    SelectWordAt(PositionAt(event->position()));
    OfferSelection();
}

// Ctrl with the wheel makes the text larger or smaller, a point a step, as
// in other text views; the size lasts like a font chosen in the font dialog.
void ReportLinesView::wheelEvent(QWheelEvent* event) {
    if (!event->modifiers().testFlag(Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    event->accept();
    QFont zoomed = font();
    const qreal size = zoomed.pointSizeF() + event->angleDelta().y() / 120.0;
    if (zoomed.pointSizeF() <= 0 || size < 1)
        return;
    zoomed.setPointSizeF(size);
    setFont(zoomed);
}

void ReportLinesView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void ReportLinesView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}
