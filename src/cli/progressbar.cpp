#include "cli/progressbar.h"

#include <algorithm>
#include <iomanip>
#include <utility>

namespace bm::cli {

ProgressBar::ProgressBar(std::ostream& out, std::string label)
    : out_(out), label_(std::move(label)) {}

void ProgressBar::Show(int percent) {
    percent = std::clamp(percent, 0, 100);
    if (percent <= shown_)
        return;
    shown_ = percent;
    const int filled = percent * Width / 100;
    out_ << "\r" << label_ << " [" << std::string(filled, '#') << std::string(Width - filled, ' ')
         << "] " << std::setw(3) << percent << "%" << std::flush;
}

void ProgressBar::Finish() {
    if (shown_ >= 0)
        out_ << "\n";
}

} // namespace bm::cli
