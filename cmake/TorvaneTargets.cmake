# Shared compile settings and helpers for Torvane targets.

function(torvane_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion)
    if(TORVANE_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

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

# A plain C++ library made of every source in the given folder (behaviour lives here).
function(torvane_plain_library target dir)
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    torvane_warnings(${target})
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
            if(item MATCHES "(^|[^A-Za-z])[Qq][Tt][0-9]*(::|$|_)" OR item STREQUAL "torvane_qt")
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
