// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logfile/LogFileCommands.h"

#include "logfile/BatteryLogFile.h"
#include "logfile/CsvExport.h"
#include "platform/DevicePaths.h"

namespace torvane {
namespace {

constexpr const char* kLogFilter = "Battery Log Files (*.blf)|*.blf|All Files (*.*)|*.*||";
constexpr const char* kCsvFilter = "Text files (*.txt)|*.txt|All Files (*.*)|*.*||";

FileDialogOptions DialogOptions(bool save, const char* filter, const char* ext) {
    FileDialogOptions options;
    options.save = save;
    options.filter = filter;
    options.defaultExt = ext;
    options.initialName = std::string("*.") + ext;
    options.overwritePrompt = true;
    return options;
}

BatteryLog* LogForTarget(LoadableLogs logs) {
    if (logs.loadTarget == 0) {
        return &logs.live;
    }
    if (logs.loadTarget >= 1 && logs.loadTarget <= 3) {
        return &logs.refs[static_cast<std::size_t>(logs.loadTarget - 1)];
    }
    return nullptr;  // 5: no load pending
}

}  // namespace

std::string AutoSaveFilePath(const std::string& savePath) {
    return DevicePaths::Join(savePath, "autosave.blf");
}

FileDialogOptions SaveLogDialogOptions() {
    return DialogOptions(true, kLogFilter, "BLF");
}

FileDialogOptions LoadLogDialogOptions() {
    return DialogOptions(false, kLogFilter, "BLF");
}

FileDialogOptions ExportCsvDialogOptions() {
    return DialogOptions(true, kCsvFilter, "TXT");
}

LogFileCommands::LogFileCommands(IFileStore& files, IMessageBox& messages, IFileDialog& fileDialog)
    : m_files(files), m_messages(messages), m_fileDialog(fileDialog) {}

void LogFileCommands::Tell(const std::string& text) {
    m_messages.Show(text, MessageButtons::Ok);
}

bool LogFileCommands::WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    // A failure after the file was created (a full disk, an I/O error) has no message of its
    // own; it is reported like a failed creation so that it never passes for a success.
    if (m_files.WriteFile(path, bytes) != FileWriteResult::Ok) {
        Tell("Cannot create file " + path);
        return false;
    }
    return true;
}

bool LogFileCommands::WriteLogFile(const BatteryLog& live, const std::string& path) {
    if (StoredSampleCount(live) == 0) {
        return true;
    }
    return WriteBytes(path, EncodeLogFile(live));
}

bool LogFileCommands::WriteCsvFile(const BatteryLog& live, const std::string& path) {
    if (StoredSampleCount(live) == 0) {
        return true;
    }
    return WriteBytes(path, EncodeCsv(live));
}

bool LogFileCommands::ReadLogFile(const std::string& path, LoadableLogs logs) {
    BatteryLog* target = LogForTarget(logs);
    if (target == nullptr) {
        return false;  // no log is waiting for a load
    }
    std::vector<std::uint8_t> bytes;
    // A file that opens but cannot be read to its end is, to the user, one that cannot be
    // opened: nothing of it is used.
    if (m_files.ReadFile(path, kLogFileMaxBytes, bytes) != FileReadResult::Ok) {
        Tell("Cannot open file " + path);
        return false;
    }
    if (DecodeLogFile(bytes, *target) != LogFileCheck::Ok) {
        Tell("Not a valid Torvane log file");
        return false;
    }
    return true;
}

void LogFileCommands::SaveLog(const BatteryLog& live) {
    SaveLive(live, {SaveLogDialogOptions(), &LogFileCommands::WriteLogFile,
                    "No data to save, complete a session first...", "Log saved in '",
                    "Error saving log"});
}

void LogFileCommands::LoadReferenceLog(std::int32_t slot, LoadableLogs logs) {
    if (slot < 1 || slot > 3) {
        return;
    }
    logs.loadTarget = slot;
    const auto path = m_fileDialog.Run(LoadLogDialogOptions());
    if (!path) {
        return;
    }
    // The reader fills the log the load target names; set it again in case a session start
    // while the dialog was open moved it on.
    logs.loadTarget = slot;
    if (ReadLogFile(*path, logs)) {
        Tell("Battery log file file '" + *path + "' loaded successfully in slot " +
             std::to_string(slot) + ".");
    } else {
        Tell("Error loading battery log file");
    }
}

void LogFileCommands::ExportCsv(const BatteryLog& live) {
    SaveLive(live, {ExportCsvDialogOptions(), &LogFileCommands::WriteCsvFile,
                    "No data to export, complete a session first...", "Data exported in '",
                    "Error exporting data"});
}

void LogFileCommands::SaveLive(const BatteryLog& live, const SaveFlow& flow) {
    if (StoredSampleCount(live) == 0) {
        Tell(flow.emptyText);
        return;
    }
    const auto path = m_fileDialog.Run(flow.dialog);
    if (!path) {
        return;
    }
    // Sessions go on while the dialog is open; one that started meanwhile may have emptied the
    // log, and an empty log writes no file, which must not be reported as done.
    if (StoredSampleCount(live) == 0) {
        Tell(flow.emptyText);
        return;
    }
    if ((this->*flow.write)(live, *path)) {
        Tell(flow.donePrefix + *path + "'");
    } else {
        Tell(flow.errorText);
    }
}

}  // namespace torvane
