// PlanPictureView: the picture of the day as the plan window shows it: the
// shapes the engine lays out, painted where they are exposed, in the colours
// of the web page. What it shows in colour stands in words beside the shapes
// and in the plan's text beside the picture.
#pragma once

#include "engine/reports/dayplanpicture.h"

#include <QWidget>

class PlanPictureView : public QWidget {
    Q_OBJECT
public:
    explicit PlanPictureView(QWidget* parent = nullptr);

    // Shows the plan, laid out in the view's font across its width.
    void ShowPlan(const bm::DayPlan& plan);
    const bm::PlanPicture& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void LayOut();

    bm::DayPlan plan_;
    bm::PlanPicture picture_;
};
