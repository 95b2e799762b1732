# One library target per source folder and one GoogleTest executable per test area. Sources are picked
# up by glob so that adding a file needs no edit of a shared list.

# In the sanitizer build (QmSanitize.cmake) the libraries and the test suites are compiled with
# QM_SANITIZER_COMPILE_OPTIONS and the suites linked with QM_SANITIZER_LINK_OPTIONS; elsewhere these are empty.

# qm_library(<target> [DEPS <targets...>])
# Builds every .cpp of the calling folder into a static library whose headers are included from the
# project root ("support/text_routines.h").
function(qm_library target)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(sources)
        add_library(${target} STATIC ${sources})
        target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
        target_link_libraries(${target} PUBLIC ${ARG_DEPS})
        target_compile_options(${target} PRIVATE ${QM_SANITIZER_COMPILE_OPTIONS})
        qm_precompile_std_headers(${target})
    else()
        # A folder whose first source has not been written yet.
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
        target_link_libraries(${target} INTERFACE ${ARG_DEPS})
    endif()
endfunction()

# qm_test_suite(<area> [DEPS <targets...>])
# Builds tests/<area>/**/*.cpp into test_<area> and registers it with CTest in a few processes (below).
function(qm_test_suite area)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${area}/*.cpp)
    if(NOT sources)
        return()
    endif()
    set(target test_${area})
    add_executable(${target} ${sources})
    target_link_libraries(${target} PRIVATE ${ARG_DEPS} GTest::gtest_main GTest::gmock)
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}
                               ${CMAKE_CURRENT_SOURCE_DIR}/${area})
    target_compile_options(${target} PRIVATE ${QM_SANITIZER_COMPILE_OPTIONS})
    target_link_options(${target} PRIVATE ${QM_SANITIZER_LINK_OPTIONS})
    # Every test source includes the test framework, and reading its headers took a large share of the
    # whole build: they are read once per suite.
    qm_precompile_std_headers(${target} <gtest/gtest.h> <gmock/gmock.h>)
    if(QM_SANITIZE)
        target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests/sanitizer_defaults.cpp)
    endif()
    qm_add_test_processes(${target} ${sources})
endfunction()

# qm_add_test_processes(<test program> <its sources...>)
# Registers the program with CTest as several processes, each running its share of the test cases (the test
# framework's sharding), about one process per eight sources. Starting a process that loads the toolkit costs
# more under the sanitizers than most cases take, so one process per case spent most of the test time
# starting. CTest runs the shards in parallel; a failing case is named in its shard's output. To run single
# cases, call the program with --gtest_filter.
function(qm_add_test_processes target)
    list(LENGTH ARGN source_count)
    math(EXPR shards "(${source_count} + 7) / 8")
    math(EXPR last "${shards} - 1")
    foreach(index RANGE ${last})
        set(name ${target}/${index})
        add_test(NAME ${name} COMMAND ${target} --gtest_brief=1 WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
        set_tests_properties(${name} PROPERTIES ENVIRONMENT
            "QT_QPA_PLATFORM=offscreen;GTEST_TOTAL_SHARDS=${shards};GTEST_SHARD_INDEX=${index}")
    endforeach()
endfunction()
