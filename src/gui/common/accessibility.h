// The program's own accessible interfaces, given to Qt once, before the first
// window is built: the report view's text interface (ReportLinesAccessible),
// and drop-downs named by their accessible name or their label, not by the
// item they show.
#pragma once

void InstallAccessibleInterfaces();
