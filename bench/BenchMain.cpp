// Runs every benchmark under a Qt GUI application object (images, fonts, OpenGL), with the
// machine's processor and the vector width of the re-projection in the output's context.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include <QGuiApplication>

#include "core/generation/SurvivorLanes.h"

namespace {

std::string ProcessorModel()
{
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line)) {
        if (line.rfind("model name", 0) == 0 && line.find(':') != std::string::npos)
            return line.substr(line.find(':') + 2);
    }
    return "unknown";
}

void AddMachineContext()
{
    using quorvane::LaneWidth;
    benchmark::AddCustomContext("cpu_model", ProcessorModel());
    const LaneWidth widest = quorvane::WidestLaneWidth();
    benchmark::AddCustomContext("reprojection_vectors", std::string(quorvane::LaneWidthName(widest)) + ", "
                                    + std::to_string(quorvane::SurvivorLaneCount(widest) * 32) + "-bit ("
                                    + std::to_string(quorvane::SurvivorLaneCount(widest)) + " rows at once)");
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    AddMachineContext();
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
