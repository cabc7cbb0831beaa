#include <gtest/gtest.h>

#include "fakes/FakePlatform.h"
#include "fakes/FakeTimers.h"
#include "fakes/MemoryRegistry.h"
#include "logfile/BatteryLogFile.h"
#include "session/CDlgMain.h"

namespace torvane {
namespace {

struct Doubles {
    test::FakePowerStatus power;
    test::FakeTimers timers;
    test::MemoryRegistry registry;
    test::FakeWindowHost window;
    test::ScriptedMessageBox messages;
    test::ScriptedFileDialog fileDialog;
    test::MemoryFileStore files;
    test::FakeNotifyIcon notifyIcon;
    test::FakePowerOffKey powerOffKey;
    test::FakeSuspendInhibitor suspendInhibitor;
    MainServices Services() {
        return {power,      timers, registry,   window,      messages,
                fileDialog, files,  notifyIcon, powerOffKey, suspendInhibitor};
    }
};

TEST(MainWindowLogFiles, WritesTheLiveLogAndReadsIntoTheLoadTarget) {
    Doubles doubles;
    CDlgMain dlg(doubles.Services());
    dlg.m_log.count = 1;
    dlg.m_log.minutes[0] = 0;
    dlg.m_log.percent[0] = 100;
    dlg.m_ref[0].count = 1;  // a reference slot is never what gets written
    ASSERT_TRUE(dlg.WriteLogFile(dlg.AutoSavePath()));
    EXPECT_EQ(doubles.files.files[dlg.AutoSavePath()], EncodeLogFile(dlg.m_log));

    dlg.m_nLoadTarget = 3;
    ASSERT_TRUE(dlg.ReadLogFile(dlg.AutoSavePath()));
    EXPECT_EQ(dlg.m_ref[2].count, 1);
    EXPECT_EQ(dlg.m_ref[2].percent[0], 100);

    dlg.m_log.count = 0;
    dlg.m_nLoadTarget = 0;
    ASSERT_TRUE(dlg.ReadLogFile(dlg.AutoSavePath()));
    EXPECT_EQ(dlg.m_log.count, 1);
    EXPECT_TRUE(doubles.messages.shown.empty());

    EXPECT_FALSE(dlg.ReadLogFile("\\missing.blf"));
    EXPECT_EQ(doubles.messages.shown, std::vector<std::string>{"Cannot open file \\missing.blf"});
}

}  // namespace
}  // namespace torvane
