#include "gui/raceday/planpicture.h"

#include "gui/common/textconversion.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace {

QColor FillOf(bm::PlanMark mark) {
    switch (mark) {
    case bm::PlanMark::Period:
        return QColor(0xdc, 0xef, 0xdc);
    case bm::PlanMark::Round:
    case bm::PlanMark::Races:
        return QColor(0x4a, 0x78, 0xc0);
    case bm::PlanMark::Final:
        return QColor(0x1f, 0x3f, 0x7a);
    case bm::PlanMark::LateFinal:
    case bm::PlanMark::Overflow:
        return QColor(0xc0, 0x00, 0x00);
    case bm::PlanMark::Slots:
        return QColor(0x9b, 0xcf, 0x9b);
    default:
        return Qt::transparent;
    }
}

QRectF Bounds(const bm::PlanShape& shape, double textWidth) {
    switch (shape.Mark) {
    case bm::PlanMark::Label:
    case bm::PlanMark::LateLabel:
        return {shape.X, shape.Y - 16, textWidth, 20};
    case bm::PlanMark::Hour:
    case bm::PlanMark::End:
        return {shape.X - 2, shape.Y, 4, shape.H};
    default:
        return {shape.X, shape.Y, shape.W, shape.H};
    }
}

void Paint(QPainter& painter, const bm::PlanShape& shape) {
    switch (shape.Mark) {
    case bm::PlanMark::Label:
    case bm::PlanMark::LateLabel: {
        QFont font = painter.font();
        font.setBold(shape.Mark == bm::PlanMark::LateLabel);
        painter.setFont(font);
        painter.setPen(shape.Mark == bm::PlanMark::LateLabel ? QColor(0xb0, 0, 0)
                                                             : QColor(Qt::black));
        painter.drawText(QPointF(shape.X, shape.Y), Text(shape.Text));
        return;
    }
    case bm::PlanMark::Hour:
        painter.setPen(QColor(0xbb, 0xbb, 0xbb));
        painter.drawLine(QPointF(shape.X, shape.Y), QPointF(shape.X, shape.Y + shape.H));
        return;
    case bm::PlanMark::End:
        painter.setPen(QPen(QColor(0xc0, 0, 0), 2, Qt::DashLine));
        painter.drawLine(QPointF(shape.X, shape.Y), QPointF(shape.X, shape.Y + shape.H));
        return;
    default:
        painter.fillRect(QRectF(shape.X, shape.Y, shape.W, shape.H), FillOf(shape.Mark));
    }
}

} // namespace

PlanPictureView::PlanPictureView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture_PB"));
    setAccessibleName(QStringLiteral("Picture of the day"));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void PlanPictureView::ShowPlan(const bm::DayPlan& plan) {
    plan_ = plan;
    LayOut();
}

// The picture fills the width it is given; it needs its height, and the
// width of the names and a short time line at least.
void PlanPictureView::LayOut() {
    picture_ = bm::LayOutDayPlan(plan_, fontMetrics().averageCharWidth(), width());
    const bm::PlanPicture narrowest = bm::LayOutDayPlan(plan_, fontMetrics().averageCharWidth(), 0);
    setMinimumSize(static_cast<int>(std::ceil(narrowest.Width)),
                   static_cast<int>(std::ceil(picture_.Height)));
    update();
}

void PlanPictureView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}

// Only the shapes that reach into the exposed part are painted.
void PlanPictureView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRectF exposed = event->rect();
    const double charWidth = fontMetrics().averageCharWidth();
    for (const bm::PlanShape& shape : picture_.Shapes)
        if (Bounds(shape, shape.Text.size() * charWidth * 1.2).intersects(exposed))
            Paint(painter, shape);
}
