// A report's lines as a PDF file, laid out as printing lays them out, and the
// offscreen platform that lets a program without windows write one.
#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QtGlobal>

#include <memory>
#include <string>
#include <vector>

class QFont;
class QGuiApplication;

namespace bm {

// The page of a report's PDF: the paper, portrait, with Qt's usual margins of
// 10 points (the half-inch left margin of the lines comes on top).
QPageLayout PdfPageLayout(const QPageSize& paper);

// Writes the lines as a PDF with the page layout (paper, orientation,
// margins), each line fitted across the page as printing fits it
// (PrintReportLines), titled with the report's caption. The file is replaced
// only once it is complete; false when it cannot be written.
bool WritePdfReport(const std::string& path, const QPageLayout& page, const QFont& font,
                    const std::vector<std::string>& lines, bool splitOnBlankLine,
                    const std::string& title);

// While it lives, fonts and painting work without a display: it starts Qt's
// offscreen platform, unless the program has an application object already.
// Qt's own notes meanwhile (a missing runtime folder, say) are not shown, so
// they do not mix into the program's messages.
class OffscreenGui {
public:
    OffscreenGui();
    ~OffscreenGui();
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

private:
    // The application's arguments, which must outlive it.
    int argc_ = 0;
    char* argv_[4] = {};
    std::unique_ptr<QGuiApplication> app_;
    QtMessageHandler previousHandler_ = nullptr;
};

} // namespace bm
