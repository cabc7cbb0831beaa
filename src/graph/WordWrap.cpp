// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graph/WordWrap.h"

namespace torvane {

namespace {

void WrapParagraph(const std::string& para, std::int32_t maxWidth,
                   const std::function<std::int32_t(const std::string&)>& measure,
                   std::vector<std::string>& lines) {
    std::size_t lineStart = 0;
    std::size_t lineEnd = 0;  // end of the last word that fits on the current line
    bool lineHasWord = false;
    std::size_t pos = 0;
    while (true) {
        const std::size_t wordStart = para.find_first_not_of(' ', pos);
        if (wordStart == std::string::npos) {
            break;
        }
        std::size_t wordEnd = para.find(' ', wordStart);
        if (wordEnd == std::string::npos) {
            wordEnd = para.size();
        }
        if (!lineHasWord) {
            lineStart = wordStart;
            lineEnd = wordEnd;
            lineHasWord = true;
        } else if (measure(para.substr(lineStart, wordEnd - lineStart)) <= maxWidth) {
            lineEnd = wordEnd;
        } else {
            lines.push_back(para.substr(lineStart, lineEnd - lineStart));
            lineStart = wordStart;
            lineEnd = wordEnd;
        }
        pos = wordEnd;
    }
    lines.push_back(lineHasWord ? para.substr(lineStart, lineEnd - lineStart) : std::string());
}

}  // namespace

std::vector<std::string> WrapWords(const std::string& text, std::int32_t maxWidth,
                                   const std::function<std::int32_t(const std::string&)>& measure) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find('\n', start);
        const bool lastParagraph = end == std::string::npos;
        if (lastParagraph) {
            end = text.size();
        }
        std::string para = text.substr(start, end - start);
        if (!para.empty() && para.back() == '\r') {
            para.pop_back();
        }
        WrapParagraph(para, maxWidth, measure, lines);
        if (lastParagraph) {
            break;
        }
        start = end + 1;
    }
    return lines;
}

}  // namespace torvane
