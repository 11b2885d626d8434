#include "gui/common/printing.h"

#include "print/pdfreport.h"
#include "print/reportprint.h"

#include <QPrinter>
#include <QPrinterInfo>

std::unique_ptr<QPrinter> MakeReportPrinter() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const QPrinterInfo installed = QPrinterInfo::defaultPrinter();
    if (installed.isNull() || !installed.defaultPageSize().isValid())
        printer->setPageLayout(bm::PdfPageLayout(bm::LocalePageSize()));
    return printer;
}
