// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/XdgAutostartFolder.h"

#include <utility>

#include "linux/MakeFolders.h"

namespace torvane {

XdgAutostartFolder::XdgAutostartFolder(std::string folder) : m_path(std::move(folder)) {}

std::string XdgAutostartFolder::Path() {
    return m_path;
}

bool XdgAutostartFolder::Make() {
    return MakeFolders(m_path);
}

}  // namespace torvane
