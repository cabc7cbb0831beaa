// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <vector>

namespace torvane {

enum class ControlKind {
    Static,        // left-aligned text, wrapped within its rectangle
    GroupBox,      // a frame with a caption
    CheckBox,      // automatic check box
    Edit,          // one-line field with a border
    UpDown,        // arrows that step the number in the control before it (its buddy)
    Picture,       // the page picture
    PushButton,    // Apply and Close
    ColourPicker,  // a push button of the template that becomes a colour picker
};

// A rectangle in dialog units (in pixels once converted): left, top, width, height.
struct TemplateRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const TemplateRect&, const TemplateRect&) = default;
};

struct ControlTemplate {
    int id;
    ControlKind kind;
    const char* text;
    TemplateRect rect;
    int textLimit = 0;  // edit fields: the most UTF-16 units they take; 0 for no limit
    int lower = 0;      // up-down: range and whether it groups thousands
    int upper = 0;
    bool thousands = false;
};

// One page of the Options sheet as its dialog template describes it.
struct PageTemplate {
    int templateId;
    const char* title;    // the tab's caption
    const char* heading;  // painted at the top of the page
    int width;            // dialog units
    int height;
    std::vector<ControlTemplate> controls;  // in tab order
};

inline constexpr int kGeneralPage = 145;
inline constexpr int kColorsPage = 136;
inline constexpr int kViewPage = 143;
inline constexpr int kSessionsPage = 144;
// The sheet's pages in tab order.
inline constexpr std::array<int, 4> kOptionsPageOrder = {kGeneralPage, kColorsPage, kViewPage,
                                                         kSessionsPage};

// The template of a page by its number; an unknown number gives the General page.
const PageTemplate& GetPageTemplate(int templateId);

}  // namespace torvane
