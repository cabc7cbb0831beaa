// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

// The least a program can do that reads the battery once a second: a bare QCoreApplication
// whose one-second timer reads one file, at the pace TORVANE_TIME_SCALE sets, as the recorder's
// timers run. The recorder's benchmark runs it beside the recorder, as the measure of what
// waking up once a second costs. Usage: bench_bare_timer FILE; SIGTERM ends it.

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    const std::string path = argv[1];
    const char* scaleText = std::getenv("TORVANE_TIME_SCALE");
    const int scale = scaleText != nullptr ? std::max(std::atoi(scaleText), 1) : 1;

    QCoreApplication app(argc, argv);
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);  // as the recorder's timers are
    QObject::connect(&timer, &QTimer::timeout, [&path] {
        char buffer[64];
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
            [[maybe_unused]] const ssize_t got = ::read(fd, buffer, sizeof buffer);
            ::close(fd);
        }
    });
    timer.start(std::max(1000 / scale, 1));
    return QCoreApplication::exec();
}
