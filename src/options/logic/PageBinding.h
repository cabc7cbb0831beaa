// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <variant>

#include "options/logic/CDataExchange.h"
#include "platform/WinTypes.h"
#include "settings/CSettingsStore.h"
#include "settings/SettingsTable.h"

namespace torvane {

// One control of an Options page, the page's member that holds its value, and the setting it
// is stored under. A page names each of its controls once, in a table of these, and the page
// reads, shows, takes and stores them all from that table. The setting's kind is checked while
// compiling: a box takes a switch, a field a number or a text, a picker a number.
class PageBinding {
public:
    // Whether a number field, when taken, refuses a value outside its setting's limits.
    enum class Range { Unchecked, Checked };

    PageBinding(int id, bool& value, FlagSetting setting)
        : m_id(id), m_value(Box{&value, setting}) {}
    PageBinding(int id, int& value, NumberSetting setting, Range range)
        : m_id(id), m_value(Number{&value, setting, range}) {}
    PageBinding(int id, std::string& value, TextSetting setting)
        : m_id(id), m_value(Text{&value, setting}) {}
    PageBinding(int id, COLORREF& value, NumberSetting setting)
        : m_id(id), m_value(Colour{&value, setting}) {}

    Setting GetSetting() const;
    // An edit field, whose entry can be refused.
    bool IsField() const;

    // The member from the store: a switch in its in-memory sense, a number or a colour as
    // stored (0 when absent), a text as stored.
    void Read(CSettingsStore& store) const;
    void Exchange(CDataExchange& dx) const;
    void Store(CSettingsStore& store) const;

private:
    struct Box {
        bool* value;
        FlagSetting setting;
    };
    struct Number {
        int* value;
        NumberSetting setting;
        Range range;
    };
    struct Text {
        std::string* value;
        TextSetting setting;
    };
    struct Colour {
        COLORREF* value;
        NumberSetting setting;
    };

    int m_id;
    std::variant<Box, Number, Text, Colour> m_value;
};

}  // namespace torvane
