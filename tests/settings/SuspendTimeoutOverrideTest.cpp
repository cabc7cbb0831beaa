// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/SuspendTimeoutOverride.h"

#include <gtest/gtest.h>

#include "fakes/FakePlatform.h"
#include "fakes/MemoryRegistry.h"
#include "fakes/MemorySuspendJournal.h"
#include "settings/SystemDword.h"

namespace torvane {
namespace {

constexpr const char* kKey =
    "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Power\\Timeouts";

class SuspendTimeoutOverrideTest : public ::testing::Test {
protected:
    test::MemoryRegistry registry;
    test::FakeSuspendInhibitor inhibitor;
    test::MemorySuspendJournal journal;
};

TEST_F(SuspendTimeoutOverrideTest, OverrideSavesSwitchesOffAndRestorePutsBack) {
    registry.PutDword(kKey, "BattSuspendTimeout", 180);
    DWORD saved = 7;
    {
        SuspendTimeoutOverride power(registry, inhibitor, &journal);
        power.Override(saved);
        EXPECT_EQ(saved, 180u);
        EXPECT_EQ(registry.GetDword(kKey, "BattSuspendTimeout"), 0u);
        EXPECT_TRUE(inhibitor.held);
        EXPECT_EQ(journal.kept, std::optional<DWORD>(180));

        power.Restore();
        EXPECT_EQ(registry.GetDword(kKey, "BattSuspendTimeout"), 180u);
        EXPECT_FALSE(inhibitor.held);
        EXPECT_FALSE(journal.kept.has_value());
        EXPECT_FALSE(power.InForce());

        // A second restore has no override to follow.
        registry.PutDword(kKey, "BattSuspendTimeout", 55);
        power.Restore();
        EXPECT_EQ(registry.GetDword(kKey, "BattSuspendTimeout"), 55u);
        EXPECT_EQ(inhibitor.releases, 1);
    }
    EXPECT_EQ(registry.GetDword(kKey, "BattSuspendTimeout"), 55u);
}

TEST_F(SuspendTimeoutOverrideTest, AbsentValueIsSwitchedOffButNothingIsWrittenBack) {
    SuspendTimeoutOverride power(registry, inhibitor, &journal);
    DWORD saved = 42;
    power.Override(saved);
    EXPECT_EQ(saved, 42u);  // the failed read leaves it alone
    EXPECT_EQ(registry.GetDword(kKey, "BattSuspendTimeout"), 0u);
    EXPECT_TRUE(inhibitor.held);
    EXPECT_EQ(journal.records, 0);

    const auto writesBefore = registry.writeLog.size();
    power.Restore();
    EXPECT_EQ(registry.writeLog.size(), writesBefore);
    EXPECT_FALSE(inhibitor.held);
}

TEST_F(SuspendTimeoutOverrideTest, ValuesThatAreNoNumberAreNotRead) {
    RegValue tooLong;
    tooLong.type = REG_BINARY;
    tooLong.data = {1, 2, 3, 4, 5};
    registry.SetValue(kKey, "BattSuspendTimeout", tooLong);
    DWORD value = 9;
    EXPECT_FALSE(ReadSystemDword(registry, "HKEY_LOCAL_MACHINE", kPowerTimeoutsKey,
                                 "BattSuspendTimeout", value));
    RegValue empty;
    empty.type = REG_DWORD;
    registry.SetValue(kKey, "BattSuspendTimeout", empty);
    EXPECT_FALSE(ReadSystemDword(registry, "HKEY_LOCAL_MACHINE", kPowerTimeoutsKey,
                                 "BattSuspendTimeout", value));
    EXPECT_EQ(value, 9u);

    // Shorter values read as their little-endian number; the type is not examined.
    RegValue twoBytes;
    twoBytes.type = REG_BINARY;
    twoBytes.data = {0x2C, 0x01};
    registry.SetValue(kKey, "BattSuspendTimeout", twoBytes);
    EXPECT_TRUE(ReadSystemDword(registry, "HKEY_LOCAL_MACHINE", kPowerTimeoutsKey,
                                "BattSuspendTimeout", value));
    EXPECT_EQ(value, 300u);
}

TEST_F(SuspendTimeoutOverrideTest, WriteStoresFourByteDword) {
    ASSERT_TRUE(WriteSystemDword(registry, "HKEY_LOCAL_MACHINE", kPowerTimeoutsKey,
                                 "BattSuspendTimeout", 0x01020304u));
    RegValue stored;
    ASSERT_TRUE(registry.QueryValue(kKey, "battsuspendtimeout", stored));
    EXPECT_EQ(stored.type, static_cast<std::uint32_t>(REG_DWORD));
    EXPECT_EQ(stored.data, (std::vector<std::uint8_t>{4, 3, 2, 1}));
}

TEST_F(SuspendTimeoutOverrideTest, SecondOverrideKeepsTheFirstValueAndDestructionPutsItBack) {
    registry.PutDword(kKey, "BattSuspendTimeout", 180);
    {
        SuspendTimeoutOverride power(registry, inhibitor, &journal);
        DWORD saved = 0;
        power.Override(saved);
        power.Override(saved);
        EXPECT_EQ(saved, 180u);
        EXPECT_EQ(inhibitor.acquires, 1);
    }
    EXPECT_EQ(registry.GetDword(kKey, "BattSuspendTimeout"), 180u);
    EXPECT_FALSE(inhibitor.held);
    EXPECT_FALSE(journal.kept.has_value());
}

TEST_F(SuspendTimeoutOverrideTest, StartUpPutsBackOnlyTheZeroADeadRunLeft) {
    struct Row {
        const char* what;
        std::optional<DWORD> stored;
        std::optional<DWORD> after;
    };
    const Row rows[] = {
        {"still the 0 it left", 0, 180},
        {"set since by someone", 300, 300},
        {"removed since", std::nullopt, std::nullopt},
    };
    for (const Row& row : rows) {
        registry.DeleteValue(kKey, "BattSuspendTimeout");
        if (row.stored) {
            registry.PutDword(kKey, "BattSuspendTimeout", *row.stored);
        }
        journal.kept = 180;  // the file a killed run left
        SuspendTimeoutOverride power(registry, inhibitor, &journal);
        power.RecoverLeftOverride();
        EXPECT_EQ(registry.HasValue(kKey, "BattSuspendTimeout"), row.after.has_value()) << row.what;
        if (row.after) {
            EXPECT_EQ(registry.GetDword(kKey, "BattSuspendTimeout"), *row.after) << row.what;
        }
        EXPECT_FALSE(journal.kept.has_value()) << row.what;
        EXPECT_FALSE(power.InForce());
    }
}

TEST_F(SuspendTimeoutOverrideTest, AValueNotPutBackIsNeverLostToTheZeroWeLeft) {
    registry.PutDword(kKey, "BattSuspendTimeout", 180);
    SuspendTimeoutOverride power(registry, inhibitor, &journal);
    DWORD saved = 0;
    power.Override(saved);
    registry.failWrites = true;
    power.Restore();  // 0 stays in the registry
    EXPECT_EQ(journal.kept, std::optional<DWORD>(180));
    EXPECT_FALSE(inhibitor.held);

    // The next session of the same run reads that 0: it is ours, not the value to keep.
    registry.failWrites = false;
    saved = 7;
    power.Override(saved);
    EXPECT_EQ(saved, 180u);
    EXPECT_EQ(journal.kept, std::optional<DWORD>(180));
    power.Restore();
    EXPECT_EQ(registry.GetDword(kKey, "BattSuspendTimeout"), 180u);
    EXPECT_FALSE(journal.kept.has_value());

    // A value someone set meanwhile is the system's own again.
    power.Override(saved);
    registry.failWrites = true;
    power.Restore();
    registry.failWrites = false;
    registry.PutDword(kKey, "BattSuspendTimeout", 300);
    power.Override(saved);
    EXPECT_EQ(saved, 300u);
    EXPECT_EQ(journal.kept, std::optional<DWORD>(300));
    power.Restore();
    EXPECT_EQ(registry.GetDword(kKey, "BattSuspendTimeout"), 300u);
}

TEST_F(SuspendTimeoutOverrideTest, AValueTheNextStartCannotPutBackIsKeptForItsSession) {
    for (bool* failure : {&registry.failWrites, &registry.failAll}) {
        registry.PutDword(kKey, "BattSuspendTimeout", 0);
        journal.kept = 180;  // left by a killed run
        SuspendTimeoutOverride power(registry, inhibitor, &journal);
        *failure = true;
        power.RecoverLeftOverride();
        *failure = false;
        EXPECT_EQ(journal.kept, std::optional<DWORD>(180));

        DWORD saved = 0;
        power.Override(saved);
        EXPECT_EQ(saved, 180u);
        EXPECT_EQ(journal.kept, std::optional<DWORD>(180));
        power.Restore();
        EXPECT_EQ(registry.GetDword(kKey, "BattSuspendTimeout"), 180u);
        EXPECT_FALSE(journal.kept.has_value());
    }
}

TEST_F(SuspendTimeoutOverrideTest, WorksWithoutAJournal) {
    registry.PutDword(kKey, "BattSuspendTimeout", 60);
    SuspendTimeoutOverride power(registry, inhibitor, nullptr);
    power.RecoverLeftOverride();
    DWORD saved = 0;
    power.Override(saved);
    EXPECT_EQ(registry.GetDword(kKey, "BattSuspendTimeout"), 0u);
    power.Restore();
    EXPECT_EQ(registry.GetDword(kKey, "BattSuspendTimeout"), 60u);
}

}  // namespace
}  // namespace torvane
