// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "options/logic/IPageControls.h"
#include "options/logic/IStartupShortcut.h"

namespace torvane::test {

// A page's controls as a table of values, with a record of what the page did to them.
class FakePageControls : public IPageControls {
public:
    bool IsChecked(int id) const override { return Find(checked, id); }
    void SetChecked(int id, bool value) override { checked[id] = value; }
    std::string GetText(int id) const override { return Find(texts, id); }
    void SetText(int id, const std::string& text) override {
        texts[id] = text;
        textWrites.push_back(id);
    }
    void EnableControl(int id, bool enable) override { enabled[id] = enable; }
    void FocusControl(int id) override { focused.push_back(id); }
    COLORREF GetColour(int id) const override { return Find(colours, id); }
    void SetColour(int id, COLORREF colour) override { colours[id] = colour; }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }

    bool IsEnabled(int id) const {
        auto it = enabled.find(id);
        return it == enabled.end() || it->second;
    }

    std::map<int, bool> checked;
    std::map<int, std::string> texts;
    std::map<int, bool> enabled;
    std::map<int, COLORREF> colours;
    std::vector<int> textWrites;
    std::vector<int> focused;
    std::vector<std::string> messages;

private:
    template <typename Map>
    static typename Map::mapped_type Find(const Map& map, int id) {
        auto it = map.find(id);
        return it == map.end() ? typename Map::mapped_type{} : it->second;
    }
};

// Counts the shortcut steps; `onStep` runs inside each, to look at the store at that moment.
class FakeStartupShortcut : public IStartupShortcut {
public:
    bool Create() override {
        ++creates;
        if (onStep) {
            onStep();
        }
        return createSucceeds;
    }
    void Delete() override {
        ++deletes;
        if (onStep) {
            onStep();
        }
    }
    int creates = 0;
    int deletes = 0;
    bool createSucceeds = true;
    std::function<void()> onStep;
};

}  // namespace torvane::test
