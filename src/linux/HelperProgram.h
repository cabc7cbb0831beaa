// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace torvane {

// Replaces this process with a helper program that comes with this one, given the same
// arguments: the helper beside this program (as the build leaves them), else the one in its
// installed helpers' folder. Returns only when it cannot, with the reason.
std::string ExecHelperProgram(const std::string& name, char** argv);

}  // namespace torvane
