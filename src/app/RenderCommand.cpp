#include "app/RenderCommand.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>

#include <iostream>
#include <vector>

#include "logdata/BatteryEstimate.h"
#include "logfile/BatteryLogFile.h"
#include "platform/AtomicFile.h"
#include "platform/HiveRegistry.h"
#include "platform/IFileDialog.h"
#include "platform/IMessageBox.h"
#include "platform/INotifyIcon.h"
#include "platform/IPowerOffKey.h"
#include "platform/IPowerStatus.h"
#include "platform/ISuspendInhibitor.h"
#include "platform/ITimers.h"
#include "platform/IWindowHost.h"
#include "platform/ReadOnlyRegistry.h"
#include "qt/GraphPicture.h"
#include "session/CDlgMain.h"
#include "settings/SettingsRecord.h"

namespace torvane {

namespace {

// The main window's services with nothing behind them: the render runs the window's own
// settings steps but shows nothing, times nothing and touches no device.
class NoPower : public IPowerStatus {
public:
    PowerReading Read() override { return {}; }
};
class NoTimers : public ITimers {
public:
    void SetHandler(Handler) override {}
    unsigned int SetTimer(unsigned int timerId, unsigned int) override { return timerId; }
    void KillTimer(unsigned int) override {}
    std::int64_t NowMs() const override { return 0; }
    void Post(std::function<void()>) override {}
};
class NoWindow : public IWindowHost {
public:
    void SetGoCaption(const std::string&) override {}
    void EnableGo(bool) override {}
    void FullRedraw() override {}
    void RedrawNow() override {}
    void Minimize() override {}
    void ShowAndActivate() override {}
    void PostQuit(int) override {}
};
class NoMessages : public IMessageBox {
public:
    MessageAnswer Show(const std::string&, MessageButtons) override { return MessageAnswer::No; }
};
class NoFileDialog : public IFileDialog {
public:
    std::optional<std::string> Run(const FileDialogOptions&) override { return std::nullopt; }
};
class NoFiles : public IFileStore {
public:
    FileReadResult ReadFile(const std::string&, std::size_t, std::vector<std::uint8_t>&) override {
        return FileReadResult::CannotOpen;
    }
    FileWriteResult WriteFile(const std::string&, const std::vector<std::uint8_t>&) override {
        return FileWriteResult::CannotCreate;
    }
    bool RemoveFile(const std::string&) override { return false; }
};
class NoNotifyIcon : public INotifyIcon {
public:
    void Add() override {}
    void Remove() override {}
};
class NoPowerOffKey : public IPowerOffKey {
public:
    void KeyEvent(std::uint8_t, std::uint32_t) override {}
};
class NoInhibitor : public ISuspendInhibitor {
public:
    void Acquire() override {}
    void Release() override {}
};

// The status line the window showed right after recording the log's last sample.
std::string StatusAtLastSample(const BatteryLog& log) {
    if (log.count <= 0) {
        return "";
    }
    const auto last = static_cast<std::size_t>(log.count - 1);
    if (log.count == 1) {
        return FormatFirstSampleStatus(log.percent[last], log.minutes[last]);
    }
    StatusEstimateInput in;
    in.p = log.percent[last];
    in.tNow = log.minutes[last];
    in.tLast = log.minutes[last];
    in.p0 = log.percent[0];
    in.n = log.count;
    return FormatRunningStatus(in);
}

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

    NoPower power;
    NoTimers timers;
    ReadOnlyRegistry registry(settings);
    NoWindow window;
    NoMessages messages;
    NoFileDialog fileDialog;
    NoFiles files;
    NoNotifyIcon notifyIcon;
    NoPowerOffKey powerOffKey;
    NoInhibitor inhibitor;
    const MainServices services{power,      timers, registry,   window,      messages,
                                fileDialog, files,  notifyIcon, powerOffKey, inhibitor};
    CSettingsStore store(registry);
    InitDefaultSettings(store);  // lands in the read-only view only
    CDlgMain dlg(services);
    dlg.ApplySettings(LoadSettings(store));
    dlg.m_log = *log;
    for (std::size_t slot = 0; slot < refs.size(); ++slot) {
        dlg.m_ref[slot] = refs[slot];
    }
    dlg.m_strStatus = StatusAtLastSample(*log);
    if (request.hours) {
        dlg.m_nScaleHours = *request.hours;
    }

    GraphPicture picture(request.scale);
    dlg.OnPaint(picture);

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
