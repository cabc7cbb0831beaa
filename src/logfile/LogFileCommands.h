// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "logdata/BatteryLog.h"
#include "platform/IFileDialog.h"
#include "platform/IFileStore.h"
#include "platform/IMessageBox.h"

namespace torvane {

// The logs a read can fill, chosen by the load target: 0 the live log, 1 to 3 the reference
// slots. These are the main window's own members, passed by reference.
struct LoadableLogs {
    BatteryLog& live;
    std::array<BatteryLog, 3>& refs;
    std::int32_t& loadTarget;
};

// The auto-save file: the save path followed directly by "\autosave.blf" (by "/autosave.blf"
// for a desktop folder starting with '/'). Nothing is added or removed, so a save path ending
// in a separator gives two of them.
std::string AutoSaveFilePath(const std::string& savePath);

// The file dialogs of the log commands and of the CSV export.
FileDialogOptions SaveLogDialogOptions();
FileDialogOptions LoadLogDialogOptions();
FileDialogOptions ExportCsvDialogOptions();

// Battery log files and the CSV export: the writers and the reader with their messages, and
// the File menu commands built on them. Holds no state of its own; every file is opened, used
// and closed within one call, and every write replaces its target atomically.
class LogFileCommands {
public:
    LogFileCommands(IFileStore& files, IMessageBox& messages, IFileDialog& fileDialog);

    // Writes the live log as a battery log file. An empty log writes nothing and succeeds.
    // On failure shows "Cannot create file %s"; an earlier file of that name stays as it was.
    bool WriteLogFile(const BatteryLog& live, const std::string& path);

    // Reads the file into the log chosen by the load target. The whole file is checked before
    // any log changes; on failure the reason is shown and every log stays as it was.
    bool ReadLogFile(const std::string& path, LoadableLogs logs);

    // Writes the live log as CSV text. An empty log writes nothing and succeeds. On failure
    // shows "Cannot create file %s".
    bool WriteCsvFile(const BatteryLog& live, const std::string& path);

    // File, "Save log": asks for a file name and saves the live log in its state at that moment.
    void SaveLog(const BatteryLog& live);

    // File, "Load reference log", slot 1 to 3. The load target becomes the slot before the
    // dialog opens and stays so when it is cancelled.
    void LoadReferenceLog(std::int32_t slot, LoadableLogs logs);

    // File, "Export to CSV file".
    void ExportCsv(const BatteryLog& live);

private:
    // Save log and Export to CSV ask, check and report alike; they differ in these.
    struct SaveFlow {
        FileDialogOptions dialog;
        bool (LogFileCommands::*write)(const BatteryLog&, const std::string&);
        const char* emptyText;
        const char* donePrefix;  // followed by the path and a closing quote
        const char* errorText;
    };
    void SaveLive(const BatteryLog& live, const SaveFlow& flow);
    bool WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
    void Tell(const std::string& text);

    IFileStore& m_files;
    IMessageBox& m_messages;
    IFileDialog& m_fileDialog;
};

}  // namespace torvane
