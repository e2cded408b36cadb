#pragma once

#include "ErrorDisplay.h"
#include "Global.h"
#include "TfrmMain.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <string>

// Resident memory of this process in bytes.
inline long long ResidentBytes()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> parts = f.readAll().split(' ');
    return parts.size() > 1 ? parts[1].toLongLong() * 4096 : 0;
}

inline void Report(const char *name, double value, const char *unit)
{
    std::printf("BENCH %s %.3f %s\n", name, value, unit);
    std::fflush(stdout);
}

// The program as a benchmark runs it: offscreen, in a directory of its own.
struct BenchProgram
{
    Zentrix::TApplication app;
    QTemporaryDir dir;

    BenchProgram(int &argc, char **argv) : app(offscreen(argc), argv)
    {
        Zentrix::SetAppPathForTests(dir.path() + '/');
        Zentrix::AppPath = dir.path() + '/';
    }
    // The frame with its start-up windows, as main() opens it.
    Zentrix::TfrmMain *StartFrame()
    {
        auto *frame = new Zentrix::TfrmMain;
        frame->CreateChildWindows();
        return frame;
    }

private:
    static int &offscreen(int &argc)
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }
};
