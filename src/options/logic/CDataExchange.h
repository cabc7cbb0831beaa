// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "options/logic/IPageControls.h"

namespace torvane {

// The number in an edit field: optional blanks, an optional sign, decimal digits, optional
// blanks. Nothing for anything else, including a number that does not fit in 32 bits.
std::optional<int> ParseDialogInt(std::string_view text);

// Moves values between a page's members and its controls, in one direction. Taking values from
// the controls stops at the first entry that cannot be taken: the user is told why in the
// standard words, the focus moves to that control, and every later exchange of the same pass
// does nothing, so the page can see Failed() and store nothing.
class CDataExchange {
public:
    CDataExchange(IPageControls& controls, bool saveAndValidate)
        : m_controls(controls), m_bSaveAndValidate(saveAndValidate) {}

    bool SaveAndValidate() const { return m_bSaveAndValidate; }
    bool Failed() const { return m_bFailed; }

    void Check(int id, bool& value);
    // The field as a whole number.
    void Int(int id, int& value);
    // The field's text; taking it refuses more than `maxUnits` UTF-16 units.
    void Text(int id, std::string& value, int maxUnits);
    // Range check of the number last exchanged with Int(); only when taking values.
    void MinMaxInt(int value, int lowest, int highest);
    // A colour picker's colour; any colour is taken.
    void Colour(int id, COLORREF& value);

private:
    // A value any state of its control stands for: taken or shown as it is.
    template <typename T>
    void Plain(int id, T& value, T (IPageControls::*take)(int) const,
               void (IPageControls::*show)(int, T));
    void Fail(int id, const std::string& message);

    IPageControls& m_controls;
    bool m_bSaveAndValidate;
    bool m_bFailed = false;
    int m_idLastEdit = 0;
};

}  // namespace torvane
