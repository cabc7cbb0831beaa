// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "options/logic/COptionsPage.h"

namespace torvane {

// The Colors page: eight colour pickers. Colours are stored as they are, the automatic marker
// 0xFF000000 included. The pickers' own notifications are of no interest here: their colours
// are read when Apply is pressed, so a choice that is never applied is never stored.
class CDlgColors : public COptionsPage {
public:
    CDlgColors(const CSettingsStore& store, IPageControls& controls);

private:
    std::array<COLORREF, 8> m_crColours{};
};

}  // namespace torvane
