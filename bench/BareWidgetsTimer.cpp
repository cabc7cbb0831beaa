// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor a session tick is measured against: a Qt Widgets program with one small window
// whose timer reads one file with pread on every tick, and does nothing else.
//
//     bench_bare_widgets FILE INTERVAL_MS TICKS
//
// It ends by itself after TICKS ticks.

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: bench_bare_widgets FILE INTERVAL_MS TICKS\n");
        return 2;
    }
    const int fd = ::open(argv[1], O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        std::perror(argv[1]);
        return 1;
    }
    const int interval = std::atoi(argv[2]);
    const long ticks = std::atol(argv[3]);

    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(240, 320);
    window.show();

    long ticked = 0;
    long total = 0;  // so the reads are not optimised away
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        char buffer[64];
        total += ::pread(fd, buffer, sizeof buffer, 0);
        if (++ticked >= ticks) {
            QCoreApplication::quit();
        }
    });
    timer.start(interval);
    const int code = QApplication::exec();
    ::close(fd);
    return total >= 0 ? code : 1;
}
