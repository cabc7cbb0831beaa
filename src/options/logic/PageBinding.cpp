// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/logic/PageBinding.h"

namespace torvane {

namespace {

template <typename... Ways>
struct Overloaded : Ways... {
    using Ways::operator()...;
};
template <typename... Ways>
Overloaded(Ways...) -> Overloaded<Ways...>;

}  // namespace

Setting PageBinding::GetSetting() const {
    return std::visit([](const auto& bound) { return bound.setting.id; }, m_value);
}

bool PageBinding::IsField() const {
    return std::holds_alternative<Number>(m_value) || std::holds_alternative<Text>(m_value);
}

void PageBinding::Read(CSettingsStore& store) const {
    std::visit(Overloaded{
                   [&](const Box& b) { *b.value = ReadFlag(store, b.setting); },
                   [&](const Number& n) {
                       *n.value = static_cast<int>(ReadStoredNumber(store, n.setting));
                   },
                   [&](const Text& t) { *t.value = ReadText(store, t.setting); },
                   [&](const Colour& c) { *c.value = ReadStoredNumber(store, c.setting); },
               },
               m_value);
}

void PageBinding::Exchange(CDataExchange& dx) const {
    std::visit(Overloaded{
                   [&](const Box& b) { dx.Check(m_id, *b.value); },
                   [&](const Number& n) {
                       dx.Int(m_id, *n.value);
                       if (n.range == Range::Checked) {
                           const SettingLimits limits = Limits(n.setting.id);
                           dx.MinMaxInt(*n.value, limits.lowest, limits.highest);
                       }
                   },
                   [&](const Text& t) { dx.Text(m_id, *t.value, Limits(t.setting.id).highest); },
                   [&](const Colour& c) { dx.Colour(m_id, *c.value); },
               },
               m_value);
}

void PageBinding::Store(CSettingsStore& store) const {
    std::visit(
        Overloaded{
            [&](const Box& b) { WriteFlag(store, b.setting, *b.value); },
            [&](const Number& n) { WriteNumber(store, n.setting, static_cast<DWORD>(*n.value)); },
            [&](const Text& t) { WriteText(store, t.setting, *t.value); },
            [&](const Colour& c) { WriteNumber(store, c.setting, *c.value); },
        },
        m_value);
}

}  // namespace torvane
