// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

// Time of one whole graph composition: on a counting canvas (the composition alone), on the
// recording canvas of the tests, and on the Qt canvas (the real picture), with three reference
// slots and the session each holding 1000 samples and every switch on; beside it the same four
// curves drawn as plain antialiased two-pixel QPainter polylines, and the Qt picture for a screen
// at 200 %. Prints the medians and the ratio at the end.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "fakes/RecordingCanvas.h"
#include "graph/DrawGraph.h"
#include "graph/GraphGeometry.h"
#include "qt/GraphPicture.h"
#include "qt/QtGraphCanvas.h"

namespace {

using torvane::BatteryLog;
using torvane::GraphInput;

BatteryLog Discharge(int hours, int offset) {
    BatteryLog log;
    log.count = BatteryLog::kCapacity;
    for (int i = 0; i < log.count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        log.minutes[k] = i * (60 * hours - 1) / log.count;
        log.percent[k] = 100 - offset - i * (95 - offset) / log.count;
    }
    return log;
}

GraphInput FullInput(int hours) {
    GraphInput in;
    in.scaleHours = hours;
    for (int slot = 0; slot < 3; ++slot) {
        in.ref[static_cast<std::size_t>(slot)] = Discharge(hours, 2 * (slot + 1));
    }
    in.log = Discharge(hours, 0);
    in.status = "Running, Battery: 5%, Run time: 6:59h, Estimated battery life: 7:21h, 0:22h left";
    return in;
}

// Counts the operations and keeps nothing: the composition's own arithmetic and calls.
class CountingCanvas : public torvane::GraphCanvas {
public:
    void BeginComposition(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {
        ++ops;
    }
    void SelectPen(const torvane::GraphPen&) override { ++ops; }
    void MoveTo(std::int32_t x, std::int32_t y) override { ops += (x ^ y) & 1; }
    void LineTo(std::int32_t x, std::int32_t y) override { ops += (x ^ y) & 1; }
    void SelectFont(std::int32_t, std::int32_t) override { ++ops; }
    void SetTextColor(torvane::COLORREF) override { ++ops; }
    void DrawText(const std::string& text, const torvane::GraphRect&, std::uint32_t) override {
        ops += static_cast<long>(text.size());
    }
    void EndComposition(std::int32_t, std::int32_t) override { ++ops; }
    long ops = 0;
};

void ComposeCounting(benchmark::State& state) {
    const GraphInput in = FullInput(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CountingCanvas canvas;
        torvane::DrawGraph(canvas, in);
        benchmark::DoNotOptimize(canvas.ops);
    }
}

void ComposeRecording(benchmark::State& state) {
    const GraphInput in = FullInput(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        torvane::test::RecordingCanvas canvas;
        torvane::DrawGraph(canvas, in);
        benchmark::DoNotOptimize(canvas.ops.data());
    }
}

void ComposeQt(benchmark::State& state) {
    const GraphInput in = FullInput(static_cast<int>(state.range(0)));
    torvane::GraphPicture picture;
    for (auto _ : state) {
        picture.PaintErased(in);
        benchmark::DoNotOptimize(picture.Image().constBits());
    }
}

// The same picture for a screen at 200 %: four times the pixels, H = 7.
void ComposeQtAt200Percent(benchmark::State& state) {
    const GraphInput in = FullInput(7);
    torvane::GraphPicture picture(2);
    for (auto _ : state) {
        picture.PaintErased(in);
        benchmark::DoNotOptimize(picture.Image().constBits());
    }
}

void PlainAntialiasedPolylines(benchmark::State& state) {
    const GraphInput in = FullInput(static_cast<int>(state.range(0)));
    std::vector<QPolygon> curves;
    for (const BatteryLog* log : {&in.ref[0], &in.ref[1], &in.ref[2], &in.log}) {
        QPolygon poly;
        for (int i = 0; i < log->count; ++i) {
            const auto k = static_cast<std::size_t>(i);
            poly << QPoint(torvane::MinutesToX(in, log->minutes[k]),
                           torvane::PercentToY(in, log->percent[k]));
        }
        curves.push_back(poly);
    }
    QImage image(240, 320, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        const torvane::COLORREF colours[] = {in.refColour[0], in.refColour[1], in.refColour[2],
                                             in.sessionColour};
        for (std::size_t c = 0; c < curves.size(); ++c) {
            painter.setPen(QPen(QColor(torvane::QtGraphCanvas::ToRgb(colours[c])), 2));
            painter.drawPolyline(curves[c]);
        }
    }
}

BENCHMARK(ComposeCounting)->Arg(1)->Arg(50)->Unit(benchmark::kMicrosecond);
BENCHMARK(ComposeRecording)->Arg(1)->Arg(50)->Unit(benchmark::kMicrosecond);
BENCHMARK(ComposeQt)->Arg(1)->Arg(50)->Unit(benchmark::kMicrosecond);
BENCHMARK(ComposeQtAt200Percent)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlainAntialiasedPolylines)->Arg(1)->Arg(50)->Unit(benchmark::kMicrosecond);

// Keeps the median of every benchmark for the summary.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs) {
            if (run.aggregate_name == "median") {
                medians[run.run_name.str()] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    struct Times {
        double real = 0;
        double cpu = 0;
    };
    std::map<std::string, Times> medians;  // microseconds
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    std::vector<char*> args(argv, argv + argc);
    std::string reps = "--benchmark_repetitions=15";
    std::string only = "--benchmark_report_aggregates_only=true";
    args.push_back(reps.data());
    args.push_back(only.data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf(
        "\nMedian time of one whole picture, 4 x 1000 samples, every switch on (wall / CPU):\n");
    for (const std::string h : {"1", "50"}) {
        const auto qt = reporter.medians["ComposeQt/" + h];
        const auto rec = reporter.medians["ComposeRecording/" + h];
        const auto alone = reporter.medians["ComposeCounting/" + h];
        const auto plain = reporter.medians["PlainAntialiasedPolylines/" + h];
        std::printf(
            "  H=%-2s Qt canvas %7.1f / %7.1f us   composition alone %6.1f / %6.1f us"
            "   recording canvas (a test double) %7.1f / %7.1f us\n",
            h.c_str(), qt.real, qt.cpu, alone.real, alone.cpu, rec.real, rec.cpu);
        std::printf(
            "        the curves alone as antialiased 2-pixel QPainter polylines %7.1f / %7.1f us"
            "   (%.1fx the whole picture's CPU time)\n",
            plain.real, plain.cpu, qt.cpu > 0 ? plain.cpu / qt.cpu : 0.0);
    }
    const auto hiDpi = reporter.medians["ComposeQtAt200Percent"];
    std::printf("  H=7  Qt canvas at 200 %% (480 x 640 pixels) %7.1f / %7.1f us\n", hiDpi.real,
                hiDpi.cpu);
    benchmark::Shutdown();
    return 0;
}
