// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/RenderCommand.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <array>
#include <iostream>
#include <vector>

#include "linux/AtomicFile.h"
#include "linux/HiveRegistry.h"
#include "logdata/BatteryEstimate.h"
#include "logfile/BatteryLogFile.h"
#include "platform/ReadOnlyRegistry.h"
#include "qt/GraphPicture.h"
#include "session/MainGraphInput.h"
#include "settings/CSettingsStore.h"
#include "settings/SettingsRecord.h"

namespace torvane {

namespace {

std::optional<BatteryLog> ReadLog(const std::string& path, std::ostream& err) {
    std::vector<std::uint8_t> bytes;
    if (AtomicFile::Read(path, kLogFileMaxBytes, bytes) != FileReadResult::Ok) {
        err << "torvane: Cannot open file " << path << "\n";
        return std::nullopt;
    }
    BatteryLog log;
    if (DecodeLogFile(bytes, log) != LogFileCheck::Ok) {
        err << "torvane: Not a valid Torvane log file: " << path << "\n";
        return std::nullopt;
    }
    return log;
}

}  // namespace

int RunRenderCommand(const RenderRequest& request, IRegistry& settings, std::ostream& err) {
    const auto log = ReadLog(request.logPath, err);
    if (!log) {
        return 1;
    }
    if (request.refPaths.size() > CommandLine::kMaxRenderRefs) {
        err << "torvane: at most " << CommandLine::kMaxRenderRefs << " reference logs\n";
        return 1;
    }
    std::vector<BatteryLog> refs;
    for (const std::string& path : request.refPaths) {
        auto ref = ReadLog(path, err);
        if (!ref) {
            return 1;
        }
        refs.push_back(*ref);
    }

    // The window's settings steps, on a view of the store that keeps every write to itself.
    ReadOnlyRegistry registry(settings);
    CSettingsStore store(registry);
    InitDefaultSettings(store);
    const SettingsRecord loaded = LoadSettings(store);
    std::array<BatteryLog, 3> refSlots{};
    std::copy(refs.begin(), refs.end(), refSlots.begin());
    const GraphInput in =
        MakeGraphInput(loaded, *log, refSlots, StatusAtLastSample(*log, kMinEstimateSamples),
                       request.hours.value_or(loaded.m_nScaleHours));

    GraphPicture picture(request.scale);
    picture.PaintErased(in);

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.Image().save(&buffer, "PNG") ||
        AtomicFile::Replace(request.outPath, png.constData(),
                            static_cast<std::size_t>(png.size())) != FileWriteResult::Ok) {
        err << "torvane: Cannot create file " << request.outPath << "\n";
        return 1;
    }
    return 0;
}

int RunRenderProgram(const CommandLineOptions& options, const Environment& env, int argc,
                     char** argv) {
    // No window is shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    HiveRegistry registry(env.registryPath, [](const std::string& message) {
        std::cerr << "torvane: " << message << "\n";
    });
    RenderRequest request{options.renderLog, options.renderOut, std::nullopt, options.renderScale,
                          options.renderRefs};
    if (options.renderHours > 0) {
        request.hours = options.renderHours;
    }
    return RunRenderCommand(request, registry, std::cerr);
}

}  // namespace torvane
