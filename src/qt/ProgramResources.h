// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace torvane {

// The pictures and the graph's font are compiled into a static library, whose resources Qt
// knows only once they are registered by name. Whatever loads one of them calls this first;
// the registration happens once in the process, however many callers there are.
void UseProgramResources();

}  // namespace torvane
