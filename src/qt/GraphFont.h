// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <map>
#include <memory>

#include "qt/GraphGlyphs.h"

namespace torvane {

// The font of the graph's texts: PT Sans Narrow, built into the program, so that the picture
// is the same on every machine whatever fonts it has, and every label fits its rectangle.
// Read from the program's resources, never from the system's font list, where a copy of the
// same family of another version could take its place. Should the built-in font ever be
// unreadable, the application's font stands in. Needs a QGuiApplication.
class GraphFont {
public:
    GraphFont();

    // The font at a pixel size (1 to 1000), made on first use and kept.
    GraphGlyphs& AtPixelSize(int pixelSize);

private:
    QByteArray m_data;
    std::map<int, std::unique_ptr<GraphGlyphs>> m_sizes;
};

}  // namespace torvane
