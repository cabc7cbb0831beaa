// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logfile/LogFileCommands.h"

#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/FakePlatform.h"
#include "fakes/LogOf.h"
#include "fakes/TempDir.h"
#include "linux/HostFileStore.h"
#include "logfile/BatteryLogFile.h"

namespace torvane {
namespace {

using test::ExpectSameLog;
using test::LogOf;
using test::MemoryFileStore;
using test::ScriptedFileDialog;
using test::ScriptedMessageBox;
using Bytes = std::vector<std::uint8_t>;
using Strings = std::vector<std::string>;

void AddSample(BatteryLog& log, std::int32_t minutes, std::int32_t percent) {
    const auto i = static_cast<std::size_t>(log.count);
    log.minutes[i] = minutes;
    log.percent[i] = percent;
    ++log.count;
}

class LogFileCommandsTest : public ::testing::Test {
protected:
    LoadableLogs Logs() { return {live, refs, loadTarget}; }
    void ChooseFile(const std::string& path) { dialog.answers.push_back(path); }
    const std::vector<FileDialogOptions>& Dialogs() const { return dialog.runs; }

    MemoryFileStore files;
    ScriptedMessageBox messages;
    ScriptedFileDialog dialog;
    LogFileCommands commands{files, messages, dialog};

    BatteryLog live = LogOf({{0, 100}, {12, 99}});
    std::array<BatteryLog, 3> refs{{{}, LogOf({{0, 80}, {30, 70}}), {}}};  // slot 2 holds one
    std::int32_t loadTarget = 5;
};

void ExpectDialog(const FileDialogOptions& o, bool save, const std::string& filter,
                  const std::string& ext) {
    EXPECT_EQ(o.save, save);
    EXPECT_EQ(o.filter, filter);
    EXPECT_EQ(o.defaultExt, ext);
    EXPECT_EQ(o.initialName, "*." + ext);
    EXPECT_TRUE(o.overwritePrompt);
}

const std::string kLogFilter = "Battery Log Files (*.blf)|*.blf|All Files (*.*)|*.*||";
const std::string kCsvFilter = "Text files (*.txt)|*.txt|All Files (*.*)|*.*||";

// --- Save log -----------------------------------------------------------------------------

TEST_F(LogFileCommandsTest, SaveWritesTheLiveLogAndSaysWhere) {
    ChooseFile("\\My Documents\\run.BLF");
    commands.SaveLog(live);

    ASSERT_EQ(Dialogs().size(), 1u);
    ExpectDialog(Dialogs()[0], true, kLogFilter, "BLF");
    EXPECT_EQ(files.files["\\My Documents\\run.BLF"], EncodeLogFile(live));
    EXPECT_EQ(messages.shown, Strings{"Log saved in '\\My Documents\\run.BLF'"});
    EXPECT_EQ(messages.buttons, std::vector<MessageButtons>{MessageButtons::Ok});
}

TEST_F(LogFileCommandsTest, SaveOfAnEmptyLogOpensNoDialog) {
    live.count = 0;
    ChooseFile("/tmp/x.blf");
    commands.SaveLog(live);
    EXPECT_EQ(messages.shown, Strings{"No data to save, complete a session first..."});
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(files.writes, 0);
}

TEST_F(LogFileCommandsTest, CancelledSaveShowsAndWritesNothing) {
    commands.SaveLog(live);
    EXPECT_EQ(Dialogs().size(), 1u);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(files.writes, 0);
}

TEST_F(LogFileCommandsTest, FailedSaveIsReportedTwiceAndKeepsTheEarlierFile) {
    const Bytes earlier = {1, 0, 0, 0, 0, 0, 0, 0, 9, 9};
    for (auto failure : {FileWriteResult::CannotCreate, FileWriteResult::WriteFailed}) {
        SCOPED_TRACE(static_cast<int>(failure));
        files.files["/media/card/run.blf"] = earlier;
        files.failWritesWith = failure;
        messages.shown.clear();
        ChooseFile("/media/card/run.blf");
        commands.SaveLog(live);
        EXPECT_EQ(messages.shown,
                  (Strings{"Cannot create file /media/card/run.blf", "Error saving log"}));
        EXPECT_EQ(files.files["/media/card/run.blf"], earlier);
    }
}

TEST_F(LogFileCommandsTest, SampleRecordedWhileTheDialogIsOpenIsSaved) {
    dialog.whileOpen = [this] { AddSample(live, 20, 98); };
    ChooseFile("/tmp/run.blf");
    commands.SaveLog(live);
    BatteryLog back;
    ASSERT_EQ(DecodeLogFile(files.files["/tmp/run.blf"], back), LogFileCheck::Ok);
    EXPECT_EQ(back.count, 3);
    EXPECT_EQ(back.percent[2], 98);
}

TEST_F(LogFileCommandsTest, LogEmptiedWhileTheDialogIsOpenIsNotReportedAsSaved) {
    // A new session starting while the dialog is open clears the live log.
    dialog.whileOpen = [this] { live.count = 0; };
    ChooseFile("/tmp/run.blf");
    commands.SaveLog(live);
    EXPECT_EQ(messages.shown, Strings{"No data to save, complete a session first..."});
    EXPECT_EQ(files.writes, 0);

    messages.shown.clear();
    live.count = 1;
    ChooseFile("/tmp/run.txt");
    commands.ExportCsv(live);
    EXPECT_EQ(messages.shown, Strings{"No data to export, complete a session first..."});
    EXPECT_EQ(files.writes, 0);
}

// --- Auto-save ----------------------------------------------------------------------------

TEST(AutoSavePath, IsThePlainConcatenation) {
    EXPECT_EQ(AutoSaveFilePath("\\My Documents"), "\\My Documents\\autosave.blf");
    EXPECT_EQ(AutoSaveFilePath(""), "\\autosave.blf");
    EXPECT_EQ(AutoSaveFilePath("\\Storage Card\\"), "\\Storage Card\\\\autosave.blf");
    EXPECT_EQ(AutoSaveFilePath("/home/me/logs"), "/home/me/logs/autosave.blf");
}

TEST_F(LogFileCommandsTest, AutoSaveOverwritesSilentlyAndReportsEachFailureOnce) {
    const std::string path = AutoSaveFilePath("\\My Documents");
    files.files[path] = {0xFF};
    EXPECT_TRUE(commands.WriteLogFile(live, path));
    EXPECT_EQ(files.files[path], EncodeLogFile(live));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(Dialogs().empty());

    const Bytes earlier = files.files[path];
    files.failWritesWith = FileWriteResult::WriteFailed;
    AddSample(live, 15, 98);
    EXPECT_FALSE(commands.WriteLogFile(live, path));
    EXPECT_FALSE(commands.WriteLogFile(live, path));
    EXPECT_EQ(messages.shown, (Strings{"Cannot create file \\My Documents\\autosave.blf",
                                       "Cannot create file \\My Documents\\autosave.blf"}));
    EXPECT_EQ(files.files[path], earlier);
}

TEST_F(LogFileCommandsTest, WritersTouchNoFileForAnEmptyLog) {
    live.count = 0;
    files.files["/tmp/old.blf"] = {1, 2, 3};
    EXPECT_TRUE(commands.WriteLogFile(live, "/tmp/old.blf"));
    EXPECT_TRUE(commands.WriteCsvFile(live, "/tmp/old.blf"));
    EXPECT_EQ(files.writes, 0);
    EXPECT_EQ(files.files["/tmp/old.blf"], (Bytes{1, 2, 3}));
    EXPECT_TRUE(messages.shown.empty());
}

// --- Load reference log -------------------------------------------------------------------

TEST_F(LogFileCommandsTest, SavedLogLoadsIntoSlotTwoUnchanged) {
    AddSample(live, 31, 97);
    ChooseFile("/tmp/run.blf");
    commands.SaveLog(live);
    messages.shown.clear();

    const BatteryLog liveBefore = live;
    const BatteryLog slot1 = refs[0];
    const BatteryLog slot3 = refs[2];
    ChooseFile("/tmp/run.blf");
    commands.LoadReferenceLog(2, Logs());

    ASSERT_EQ(Dialogs().size(), 2u);
    ExpectDialog(Dialogs()[1], false, kLogFilter, "BLF");
    EXPECT_EQ(messages.shown,
              Strings{"Battery log file file '/tmp/run.blf' loaded successfully in slot 2."});
    EXPECT_EQ(loadTarget, 2);
    ExpectSameLog(refs[1], live);
    ExpectSameLog(live, liveBefore);
    ExpectSameLog(refs[0], slot1);
    ExpectSameLog(refs[2], slot3);
}

TEST_F(LogFileCommandsTest, RefusedFilesLeaveTheSlotAsItWas) {
    Bytes version2 = EncodeLogFile(live);
    version2[0] = 2;
    Bytes truncated = EncodeLogFile(live);
    truncated.resize(truncated.size() - 4);
    Bytes countMinus1 = EncodeLogFile(live);
    countMinus1[4] = countMinus1[5] = countMinus1[6] = countMinus1[7] = 0xFF;

    for (const Bytes& bad : {version2, truncated, countMinus1}) {
        files.files["/tmp/bad.blf"] = bad;
        messages.shown.clear();
        const BatteryLog before = refs[1];
        ChooseFile("/tmp/bad.blf");
        commands.LoadReferenceLog(2, Logs());
        EXPECT_EQ(messages.shown,
                  (Strings{"Not a valid Torvane log file", "Error loading battery log file"}));
        ExpectSameLog(refs[1], before);
        EXPECT_EQ(loadTarget, 2);
    }
}

TEST_F(LogFileCommandsTest, UnopenableFileIsReportedWithItsPath) {
    const BatteryLog before = refs[0];
    ChooseFile("/tmp/missing.blf");
    commands.LoadReferenceLog(1, Logs());
    EXPECT_EQ(messages.shown,
              (Strings{"Cannot open file /tmp/missing.blf", "Error loading battery log file"}));
    ExpectSameLog(refs[0], before);

    files.files["/tmp/run.blf"] = EncodeLogFile(live);
    files.unreadable.insert("/tmp/run.blf");  // it opens, but an I/O error stops the read
    messages.shown.clear();
    ChooseFile("/tmp/run.blf");
    commands.LoadReferenceLog(1, Logs());
    EXPECT_EQ(messages.shown,
              (Strings{"Cannot open file /tmp/run.blf", "Error loading battery log file"}));
    ExpectSameLog(refs[0], before);
}

TEST_F(LogFileCommandsTest, EmptyAndOverlongFilesLoad) {
    files.files["/tmp/empty.blf"] = {1, 0, 0, 0, 0, 0, 0, 0};
    ChooseFile("/tmp/empty.blf");
    commands.LoadReferenceLog(2, Logs());
    EXPECT_EQ(refs[1].count, 0);

    Bytes extra = EncodeLogFile(live);
    extra.insert(extra.end(), {7, 7, 7});
    files.files["/tmp/extra.blf"] = extra;
    ChooseFile("/tmp/extra.blf");
    commands.LoadReferenceLog(3, Logs());
    EXPECT_EQ(refs[2].count, 2);
    EXPECT_EQ(refs[2].minutes[1], 12);
    EXPECT_EQ(messages.shown,
              (Strings{"Battery log file file '/tmp/empty.blf' loaded successfully in slot 2.",
                       "Battery log file file '/tmp/extra.blf' loaded successfully in slot 3."}));
}

TEST_F(LogFileCommandsTest, AHugeFileIsReadOnlyAsFarAsItsHeaderReaches) {
    // On the host's own store, where a terabyte file is cheap to make and costly to read.
    test::TempDir dir;
    DevicePaths paths(dir / "device");
    HostFileStore host(paths);
    LogFileCommands onHost(host, messages, dialog);
    const std::string path = dir / "huge.blf";
    const Bytes header = EncodeLogFile(live);
    test::TempDir::Write(path, std::string(header.begin(), header.end()));
    std::filesystem::resize_file(path, std::uintmax_t{1} << 40);

    ChooseFile(path);
    onHost.LoadReferenceLog(3, Logs());
    EXPECT_EQ(refs[2].count, 2);
    EXPECT_EQ(refs[2].percent[1], 99);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].find("loaded successfully"), std::string::npos);
}

TEST_F(LogFileCommandsTest, CancelledLoadStillSetsTheLoadTarget) {
    loadTarget = 0;  // a resume was pending
    const BatteryLog slot3 = refs[2];
    commands.LoadReferenceLog(3, Logs());
    EXPECT_EQ(loadTarget, 3);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Dialogs().size(), 1u);
    ExpectSameLog(refs[2], slot3);
}

TEST_F(LogFileCommandsTest, LoadGoesToTheChosenSlotEvenIfASessionStartedMeanwhile) {
    files.files["/tmp/run.blf"] = EncodeLogFile(live);
    dialog.whileOpen = [this] { loadTarget = 5; };  // a session start resets the target
    ChooseFile("/tmp/run.blf");
    commands.LoadReferenceLog(1, Logs());
    EXPECT_EQ(refs[0].count, 2);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(LogFileCommandsTest, ReaderWithNoLoadTargetChangesNothing) {
    files.files["/tmp/run.blf"] = EncodeLogFile(live);
    const BatteryLog slot2 = refs[1];
    loadTarget = 5;
    EXPECT_FALSE(commands.ReadLogFile("/tmp/run.blf", Logs()));
    loadTarget = 4;
    EXPECT_FALSE(commands.ReadLogFile("/tmp/run.blf", Logs()));
    ExpectSameLog(refs[1], slot2);
    EXPECT_EQ(refs[2].count, 0);
}

// --- CSV export ---------------------------------------------------------------------------

TEST_F(LogFileCommandsTest, ExportWritesTheTextAndSaysWhere) {
    files.files["/tmp/run.txt"] = Bytes(100, 'x');  // a longer file is replaced entirely
    ChooseFile("/tmp/run.txt");
    commands.ExportCsv(live);
    ASSERT_EQ(Dialogs().size(), 1u);
    ExpectDialog(Dialogs()[0], true, kCsvFilter, "TXT");
    const std::string text(files.files["/tmp/run.txt"].begin(), files.files["/tmp/run.txt"].end());
    EXPECT_EQ(text, "100%, 0m\n\r99%, 12m\n\r");
    EXPECT_EQ(messages.shown, Strings{"Data exported in '/tmp/run.txt'"});
}

TEST_F(LogFileCommandsTest, ExportFailuresAndEmptyLog) {
    files.missingFolders.insert("/nowhere");
    ChooseFile("/nowhere/run.txt");
    commands.ExportCsv(live);
    EXPECT_EQ(messages.shown,
              (Strings{"Cannot create file /nowhere/run.txt", "Error exporting data"}));

    messages.shown.clear();
    files.freeBytes = 10;  // a full disk
    ChooseFile("/full/run.txt");
    commands.ExportCsv(live);
    EXPECT_EQ(messages.shown,
              (Strings{"Cannot create file /full/run.txt", "Error exporting data"}));

    messages.shown.clear();
    commands.ExportCsv(live);  // cancelled
    EXPECT_TRUE(messages.shown.empty());

    live.count = 0;
    const auto dialogsBefore = Dialogs().size();
    commands.ExportCsv(live);
    EXPECT_EQ(messages.shown, Strings{"No data to export, complete a session first..."});
    EXPECT_EQ(Dialogs().size(), dialogsBefore);
}

}  // namespace
}  // namespace torvane
