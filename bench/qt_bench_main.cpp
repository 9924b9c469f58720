#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

#include <benchmark/benchmark.h>

// Benchmarks of the converter window run headless unless the caller chose a
// platform. Every window reads and saves its settings: here in a folder of
// their own, never the user's.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir configuration;
    if (!configuration.isValid()) {
        std::fprintf(stderr, "cannot create a temporary settings folder: %s\n",
                     qPrintable(configuration.errorString()));
        return 1;
    }
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configuration.path()));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
