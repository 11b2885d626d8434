#include "benchwindow.h"

#include "benchmeets.h"

#include <benchmark/benchmark.h>

namespace benchwindow {

std::string WriteMeet(const QTemporaryDir& dir, const char* name, const bm::GenerateParams& params,
                      bool scheduled) {
    const std::unique_ptr<bm::Boatmeet> meet =
        scheduled ? bm::bench::ScheduledMeet(params) : bm::bench::DrawnMeet(params);
    const std::string path = QDir(dir.path()).filePath(QString::fromUtf8(name)).toStdString();
    meet->SaveToFile(path, true);
    return path;
}

} // namespace benchwindow

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
