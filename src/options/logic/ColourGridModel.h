// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "options/logic/ColourGridGeometry.h"
#include "platform/WinTypes.h"

namespace torvane {

enum class GridAction {
    None,
    Change,  // the highlight moved: redraw two boxes and report the colour
    Accept,  // the choice ended with the colour
    Cancel,  // the choice ended with the colour the palette opened with
};

// What the palette window has to do after an event.
struct GridOutcome {
    GridAction action = GridAction::None;
    int lostHighlight = kNoBox;  // Change: the box that lost the highlight, if any
    int selection = kNoBox;      // Change: the box that has it now
    COLORREF colour = 0;         // the colour to report
};

enum class BoxEdge { None, RaisedInner, SunkenOuter };

// How one box is drawn: the box of the opening colour is marked with a lighter fill and a
// sunken edge until the highlight (a raised edge) lands on it.
struct BoxLook {
    bool marked = false;
    BoxEdge edge = BoxEdge::None;
    friend bool operator==(const BoxLook&, const BoxLook&) = default;
};

// The palette's state between opening and the end of the choice: the layout, the highlight,
// the box of the opening colour, and the colour it will report.
class ColourGridModel {
public:
    explicit ColourGridModel(int margin) : m_geometry(margin) {}

    // Starts a choice from the given colour with the palette's top-left corner at (left, top).
    // The opening colour's box is marked; nothing is highlighted yet.
    void Open(COLORREF colour, int left, int top, const std::optional<CaptionExtent>& automatic,
              const std::optional<CaptionExtent>& cancel, const PaletteRect& screen,
              int pickerHeight);

    // Moves the highlight to a box and takes its colour as the current one.
    GridOutcome ChangeSelection(int box);
    // Arrows move the highlight, Enter and Space accept, Escape cancels.
    GridOutcome KeyDown(int virtualKey);
    // A tap at a client point highlights the box under it, if it is another one.
    GridOutcome StylusDown(int x, int y);
    // Lifting the stylus accepts inside the palette and cancels outside (client point).
    GridOutcome StylusUp(int x, int y);
    // Ends the choice; cancelling restores the opening colour.
    GridOutcome End(GridAction action);

    BoxLook Look(int box) const;

    const ColourGridGeometry& Geometry() const { return m_geometry; }
    int CurrentSelection() const { return m_nCurrentSel; }
    int ChosenSelection() const { return m_nChosenColourSel; }
    COLORREF CurrentColour() const { return m_crColour; }

private:
    ColourGridGeometry m_geometry;
    int m_nCurrentSel = kNoBox;
    int m_nChosenColourSel = kNoBox;
    COLORREF m_crInitialColour = 0;
    COLORREF m_crColour = 0;
};

}  // namespace torvane
