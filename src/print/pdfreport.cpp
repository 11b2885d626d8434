#include "print/pdfreport.h"

#include "engine/model/textfile.h"
#include "print/reportprint.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPdfWriter>

namespace bm {

namespace {

// PDF pages at the resolution of a high-resolution printer.
constexpr int PdfResolution = 1200;

QtMessageHandler shownHandler = nullptr;

// Passes on only what stops Qt from working.
void SeriousMessagesOnly(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if ((type == QtCriticalMsg || type == QtFatalMsg) && shownHandler)
        shownHandler(type, context, text);
}

} // namespace

QPageLayout PdfPageLayout(const QPageSize& paper) {
    return QPageLayout(paper, QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Point);
}

bool WritePdfReport(const std::string& path, const QPageLayout& page, const QFont& font,
                    const std::vector<std::string>& lines, bool splitOnBlankLine,
                    const std::string& title) {
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfResolution);
        writer.setPageLayout(page);
        writer.setTitle(QString::fromStdString(title));
        writer.setCreator(QStringLiteral("Boatmeet"));
        if (!PrintReportLines(writer, font, lines, splitOnBlankLine))
            return false;
    }
    return WriteFileSafely(path, std::string_view(pdf.constData(), pdf.size()));
}

OffscreenGui::OffscreenGui() {
    if (QCoreApplication::instance())
        return;
    previousHandler_ = qInstallMessageHandler(SeriousMessagesOnly);
    shownHandler = previousHandler_;
    static char name[] = "boatmeet";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    argc_ = 3;
    argv_[0] = name;
    argv_[1] = option;
    argv_[2] = platform;
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

OffscreenGui::~OffscreenGui() {
    if (!app_)
        return;
    app_.reset();
    qInstallMessageHandler(previousHandler_);
}

} // namespace bm
