# SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
# SPDX-License-Identifier: GPL-3.0-or-later

# The warnings every Torvane target is built with; TORVANE_WERROR (on in the presets, so in CI)
# makes each one an error.
set(TORVANE_WARNINGS
    -Wall
    -Wextra
    -Wpedantic
    -Wshadow
    -Wconversion
    -Wnon-virtual-dtor
    -Woverloaded-virtual
    -Wold-style-cast
    -Wnull-dereference
    -Wformat=2
    -Wimplicit-fallthrough
    -Wsuggest-override)
# These only g++ knows; clang would reject them as unknown.
set(TORVANE_GCC_WARNINGS
    -Wduplicated-cond
    -Wduplicated-branches
    -Wlogical-op)

function(torvane_warnings target)
    target_compile_options(${target} PRIVATE ${TORVANE_WARNINGS}
                           $<$<CXX_COMPILER_ID:GNU>:${TORVANE_GCC_WARNINGS}>)
    if(TORVANE_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
