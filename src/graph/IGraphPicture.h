// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "graph/GraphInput.h"

namespace torvane {

// The window's picture seen from the two drawing entry points. The paint path draws on a
// window whose background was erased by the paint request; the immediate path draws over
// whatever the window shows now.
class IGraphPicture {
public:
    virtual ~IGraphPicture() = default;
    virtual void PaintErased(const GraphInput& input) = 0;
    virtual void DrawOver(const GraphInput& input) = 0;
};

}  // namespace torvane
