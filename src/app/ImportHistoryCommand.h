// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "linux/Environment.h"

namespace torvane {

// The host folder that logs of past discharges go to: `into` (a host folder, relative ones to
// the current folder), or the device folder \My Documents\History when it is empty.
std::string HistoryFolderPath(const std::string& into, const Environment& env);

// `torvane --import-history [FILE ...] [--into FOLDER]`: the power daemon's battery charge
// histories (`files`, or when none every history-charge-*.dat in the history folder of `env`)
// turned into battery logs in `into`, by default the device folder \My Documents\History. Needs no
// display. Returns the exit status: 0 when at least one history was read and every log found
// is in place, 1 when no history could be read (one line on `err` says why) or a log could not
// be written.
int RunImportHistory(const std::vector<std::string>& files, const std::string& into,
                     const Environment& env, std::ostream& out, std::ostream& err);

}  // namespace torvane
