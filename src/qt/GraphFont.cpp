// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/GraphFont.h"

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QRawFont>

#include <algorithm>

#include "qt/ProgramResources.h"

namespace torvane {

GraphFont::GraphFont() {
    UseProgramResources();
    QFile file(QStringLiteral(":/torvane/graph-font.ttf"));
    if (file.open(QIODevice::ReadOnly)) {
        m_data = file.readAll();
    }
}

GraphGlyphs& GraphFont::AtPixelSize(int pixelSize) {
    const int size = std::clamp(pixelSize, 1, 1000);
    auto& glyphs = m_sizes[size];
    if (!glyphs) {
        QRawFont raw(m_data, size, QFont::PreferFullHinting);
        if (!raw.isValid()) {
            QFont font = QGuiApplication::font();
            font.setPixelSize(size);
            font.setStyleStrategy(QFont::NoAntialias);
            font.setHintingPreference(QFont::PreferFullHinting);
            raw = QRawFont::fromFont(font);
        }
        glyphs = std::make_unique<GraphGlyphs>(raw);
    }
    return *glyphs;
}

}  // namespace torvane
