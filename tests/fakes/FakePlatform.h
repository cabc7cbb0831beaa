// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "fakes/MemoryFileStore.h"
#include "platform/IFileDialog.h"
#include "platform/IFileStore.h"
#include "platform/IMessageBox.h"
#include "platform/INotifyIcon.h"
#include "platform/IPowerOffKey.h"
#include "platform/IPowerStatus.h"
#include "platform/ISuspendInhibitor.h"
#include "platform/IWindowHost.h"

namespace torvane::test {

// One battery and a charger, as set; a level of -1 reads as no battery.
class FakePowerStatus : public IPowerStatus {
public:
    PowerReading Read() override {
        ++reads;
        PowerReading reading{onAc, percent, {}};
        if (percent != -1) {
            reading.batteries.push_back({"BAT0", percent, !onAc});
        }
        return reading;
    }
    int percent = 100;
    bool onAc = true;
    int reads = 0;
};

// Records every message shown and answers from a script (Ok, or Yes for questions, when the
// script is empty).
class ScriptedMessageBox : public IMessageBox {
public:
    MessageAnswer Show(const std::string& text, MessageButtons buttons) override;
    std::deque<MessageAnswer> answers;
    std::vector<std::string> shown;
    std::vector<MessageButtons> buttons;
    std::function<void()> whileOpen;  // runs while the box is "open", e.g. to fire timers
};

// Answers file dialogs from a script; an empty script cancels.
class ScriptedFileDialog : public IFileDialog {
public:
    std::optional<std::string> Run(const FileDialogOptions& options) override {
        runs.push_back(options);
        if (whileOpen) {
            whileOpen();
        }
        if (answers.empty()) {
            return std::nullopt;
        }
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<std::optional<std::string>> answers;
    std::vector<FileDialogOptions> runs;
    std::function<void()> whileOpen;  // runs while the dialog is "open", as time goes on
};

// Counts what the window was asked to do; when `status` is set, each redraw also notes the
// status line it showed.
class FakeWindowHost : public IWindowHost {
public:
    void SetGoCaption(const std::string& caption) override { goCaption = caption; }
    void EnableGo(bool enabled) override { goEnabled = enabled; }
    void FullRedraw() override {
        ++fullRedraws;
        if (status != nullptr) {
            fullTexts.push_back(*status);
        }
    }
    void RedrawNow() override {
        ++directRedraws;
        if (status != nullptr) {
            directTexts.push_back(*status);
        }
    }
    void Minimize() override { ++minimizes; }
    void HideToNotifyIcon() override { ++hides; }
    bool ShowAndActivate(const std::string& activationToken) override {
        ++activations;
        return !activationToken.empty();
    }
    void PostQuit(int exitCode) override { quitCode = exitCode; }

    std::string goCaption;
    bool goEnabled = true;
    int fullRedraws = 0;
    int directRedraws = 0;
    int minimizes = 0;
    int hides = 0;
    int activations = 0;
    std::optional<int> quitCode;
    const std::string* status = nullptr;
    std::vector<std::string> fullTexts;
    std::vector<std::string> directTexts;
};

class FakeNotifyIcon : public INotifyIcon {
public:
    void Add() override { present = true; }
    void Remove() override { present = false; }
    bool Available() override { return present && tray; }
    bool present = false;
    bool tray = false;  // a notification area to hide in
};

class FakePowerOffKey : public IPowerOffKey {
public:
    void KeyEvent(std::uint8_t virtualKey, std::uint32_t flags) override {
        events.emplace_back(virtualKey, flags);
    }
    std::vector<std::pair<std::uint8_t, std::uint32_t>> events;
};

class FakeSuspendInhibitor : public ISuspendInhibitor {
public:
    void Acquire() override {
        held = true;
        ++acquires;
    }
    void Release() override {
        held = false;
        ++releases;
    }
    bool held = false;
    int acquires = 0;
    int releases = 0;
};

}  // namespace torvane::test
