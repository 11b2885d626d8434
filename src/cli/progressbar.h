// A progress bar on a terminal's line, for long operations.
#pragma once

#include <ostream>
#include <string>

namespace bm::cli {

// "LABEL [####    ]  40%", redrawn in place; it only moves forward.
class ProgressBar {
public:
    ProgressBar(std::ostream& out, std::string label);
    void Show(int percent);
    // Ends the bar's line, when a bar was drawn.
    void Finish();

private:
    static constexpr int Width = 40;
    std::ostream& out_;
    std::string label_;
    int shown_ = -1;
};

} // namespace bm::cli
