// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/logic/CDataExchange.h"

#include <cstdint>
#include <limits>

#include "platform/TextConversion.h"

namespace torvane {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::optional<int> ParseDialogInt(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t firstDigit = pos;
    std::int64_t magnitude = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<int>::max()} + 1;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        magnitude = magnitude * 10 + (text[pos] - '0');
        if (magnitude > kLimit) {
            return std::nullopt;
        }
        ++pos;
    }
    if (pos == firstDigit) {
        return std::nullopt;
    }
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

void CDataExchange::Fail(int id, const std::string& message) {
    m_bFailed = true;
    m_controls.ShowMessage(message);
    m_controls.FocusControl(id);
}

template <typename T>
void CDataExchange::Plain(int id, T& value, T (IPageControls::*take)(int) const,
                          void (IPageControls::*show)(int, T)) {
    if (m_bFailed) {
        return;
    }
    if (m_bSaveAndValidate) {
        value = (m_controls.*take)(id);
    } else {
        (m_controls.*show)(id, value);
    }
}

void CDataExchange::Check(int id, bool& value) {
    Plain(id, value, &IPageControls::IsChecked, &IPageControls::SetChecked);
}

void CDataExchange::Int(int id, int& value) {
    if (m_bFailed) {
        return;
    }
    m_idLastEdit = id;
    if (!m_bSaveAndValidate) {
        m_controls.SetText(id, std::to_string(value));
        return;
    }
    const std::optional<int> number = ParseDialogInt(m_controls.GetText(id));
    if (!number) {
        Fail(id, "Please enter an integer.");
        return;
    }
    value = *number;
}

void CDataExchange::Text(int id, std::string& value, int maxUnits) {
    if (m_bFailed) {
        return;
    }
    m_idLastEdit = id;
    if (!m_bSaveAndValidate) {
        m_controls.SetText(id, value);
        return;
    }
    std::string text = m_controls.GetText(id);
    if (Utf8ToUtf16(text).size() > static_cast<std::size_t>(maxUnits)) {
        Fail(id, "Please enter no more than " + std::to_string(maxUnits) + " characters.");
        return;
    }
    value = std::move(text);
}

void CDataExchange::Colour(int id, COLORREF& value) {
    Plain(id, value, &IPageControls::GetColour, &IPageControls::SetColour);
}

void CDataExchange::MinMaxInt(int value, int lowest, int highest) {
    if (m_bFailed || !m_bSaveAndValidate) {
        return;
    }
    if (value < lowest || value > highest) {
        Fail(m_idLastEdit, "Please enter an integer between " + std::to_string(lowest) + " and " +
                               std::to_string(highest) + ".");
    }
}

}  // namespace torvane
