// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/FakeMainServices.h"
#include "fakes/LogOf.h"
#include "logfile/BatteryLogFile.h"
#include "platform/RegistryEncoding.h"
#include "session/CDlgMain.h"

namespace torvane::test {

constexpr const char* kPowerTimeoutsKey =
    "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Power\\Timeouts";

// The main window's owner with every outside service replaced by a double. Settings start as
// on a machine that has run the program before, in manual mode, with the suspend timeout
// override switched on so every override and restore is visible.
class SessionTest : public ::testing::Test, protected FakeMainServices {
protected:
    void SetUp() override {
        PutSetting("InitData", 3);
        PutSetting("AutoStartSessions", 1);  // stored inverted: manual mode
        PutSetting("IgnorePowerOff", 1);
        registry.PutDword(kPowerTimeoutsKey, "BattSuspendTimeout", 180);
        SetSavePath("\\My Documents");
    }

    void PutSetting(const std::string& name, std::uint32_t value) {
        registry.PutDword(kSettingsKey, name, value);
    }
    void SetSavePath(const std::string& path) {
        registry.SetValue(kSettingsKey, "SavePath", RegistryEncoding::String(path));
    }

    void Start() {
        dlg = std::make_unique<CDlgMain>(services);
        window.status = &dlg->Session().Status();
        dlg->OnInitDialog();
    }
    void Seconds(int n) { timers.AdvanceMs(std::int64_t{n} * 1000); }

    // Go on battery power: the first countdown tick starts the session.
    void StartSessionOnBattery(int percent) {
        power.onAc = false;
        power.percent = percent;
        dlg->OnGoStop();
        Seconds(1);
        ASSERT_TRUE(dlg->Session().SessionRunning());
    }

    template <typename Samples = std::initializer_list<std::pair<std::int32_t, std::int32_t>>>
    static std::vector<std::uint8_t> LogBytes(const Samples& samples) {
        return EncodeLogFile(LogOf(samples));
    }

    // The suspend timeout override is in force exactly while the machine is kept awake.
    bool OverrideInForce() const { return inhibitor.held; }
    std::uint32_t SuspendTimeout() const {
        return registry.GetDword(kPowerTimeoutsKey, "BattSuspendTimeout");
    }

    const std::string kAutoSave = "\\My Documents\\autosave.blf";

    MainServices services = Services();
    std::unique_ptr<CDlgMain> dlg;
};

}  // namespace torvane::test
