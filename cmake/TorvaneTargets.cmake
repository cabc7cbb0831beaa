# SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared compile settings and helpers for Torvane targets.

include(${CMAKE_CURRENT_LIST_DIR}/TorvaneWarnings.cmake)

if(TORVANE_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
else()
    # Hardened as Debian builds its packages: checked string and memory functions where the
    # optimiser can check them, a stack protector, relocations read-only and bound at start.
    add_compile_options(-fstack-protector-strong $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()

# Each library publishes only its own folder: its include root in the build tree holds one link,
# named as the folder is under src/, to that folder. A target sees the headers of the libraries
# it links and no others, so an include the layers do not allow fails to compile. The link is
# relative, so a checkout moved with its build folder still builds.
function(torvane_publish_folder target dir)
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    get_filename_component(parent ${root}/${dir} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(RELATIVE_PATH folder ${parent} ${PROJECT_SOURCE_DIR}/src/${dir})
    file(CREATE_LINK ${folder} ${root}/${dir} SYMBOLIC)
    target_include_directories(${target} PUBLIC ${root})
endfunction()

# A library made of every source in one folder under src/.
function(torvane_library target dir)
    file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${dir}/*.cpp)
    list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
    add_library(${target} STATIC ${sources} ${ARGN})
    torvane_publish_folder(${target} ${dir})
    torvane_warnings(${target})
endfunction()

# The libraries that use Qt, which no behaviour library may link.
set_property(GLOBAL PROPERTY TORVANE_QT_LIBRARIES "")
function(torvane_qt_library target dir)
    torvane_library(${target} ${dir} ${ARGN})
    set_target_properties(${target} PROPERTIES AUTOMOC ON AUTORCC ON)
    set_property(GLOBAL APPEND PROPERTY TORVANE_QT_LIBRARIES ${target})
endfunction()

# A GoogleTest executable made of every source in a tests folder.
function(torvane_test target dir)
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    if(NOT sources)
        return()
    endif()
    add_executable(${target} ${sources})
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${target} PRIVATE ${ARGN} GTest::gmock)
    torvane_warnings(${target})
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# Configure-time proof that a behaviour library does not link Qt, directly or through anything
# it links: every library reachable from its link interface is checked.
function(torvane_assert_no_qt)
    get_property(qt_libraries GLOBAL PROPERTY TORVANE_QT_LIBRARIES)
    foreach(root ${ARGN})
        if(NOT TARGET ${root})
            continue()
        endif()
        set(pending ${root})
        set(seen "")
        while(pending)
            list(POP_FRONT pending item)
            # $<LINK_ONLY:x> and similar wrappers still link x.
            string(REGEX REPLACE "^\\$<[A-Z_]+:(.*)>$" "\\1" item "${item}")
            if(item IN_LIST seen)
                continue()
            endif()
            list(APPEND seen ${item})
            if(item MATCHES "(^|[^A-Za-z])[Qq][Tt][0-9]*(::|$|_)" OR item IN_LIST qt_libraries)
                message(FATAL_ERROR
                        "${root} links ${item}; behaviour libraries must not use Qt")
            endif()
            if(TARGET ${item})
                get_target_property(aliased ${item} ALIASED_TARGET)
                if(aliased)
                    list(APPEND pending ${aliased})
                endif()
                get_target_property(type ${item} TYPE)
                set(props INTERFACE_LINK_LIBRARIES)
                if(NOT type STREQUAL "INTERFACE_LIBRARY")
                    list(APPEND props LINK_LIBRARIES)
                endif()
                foreach(prop ${props})
                    get_target_property(libs ${item} ${prop})
                    if(libs)
                        list(APPEND pending ${libs})
                    endif()
                endforeach()
            endif()
        endwhile()
    endforeach()
endfunction()
