// The printer the report view prints on.
#pragma once

#include <memory>

class QPrinter;

// A high-resolution printer on the system's default printer, on its paper;
// without a printer (or one that names no paper) on the paper of the user's
// locale, laid out as boatmeet-cli lays out its PDF files.
std::unique_ptr<QPrinter> MakeReportPrinter();
