# One test executable per tests/**/<Name>Test.cpp; a <Name>Test.rc beside it becomes its own resources.
# Helpers shared by the tests live in tests/support.
set(googletest_src /usr/src/googletest)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${googletest_src} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB support_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
add_library(test_support STATIC ${support_sources})
target_link_libraries(test_support PUBLIC fleeba_core GTest::gtest version)
target_include_directories(test_support PUBLIC ${CMAKE_SOURCE_DIR}/tests)

# An executable from one source file, with the <Name>.rc beside it (if any) as its own resources.
function(fleeba_add_test_executable src outdir)
    get_filename_component(name ${src} NAME_WE)
    get_filename_component(dir ${src} DIRECTORY)
    add_executable(${name} ${src})
    if(EXISTS ${dir}/${name}.rc)
        target_sources(${name} PRIVATE ${dir}/${name}.rc)
        set_source_files_properties(${dir}/${name}.rc PROPERTIES OBJECT_DEPENDS "${FLEEBA_RC_INPUTS}")
        target_include_directories(${name} PRIVATE ${dir})
        fleeba_use_art(${name})
    endif()
    target_link_libraries(${name} PRIVATE test_support)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${outdir})
endfunction()

file(GLOB_RECURSE test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*Test.cpp)
list(FILTER test_sources EXCLUDE REGEX "/tests/artgen/")
# Played on a display of its own with two monitors, which it rearranges.
list(FILTER test_sources EXCLUDE REGEX "/tests/e2e/TwoMonitorsTest\\.cpp$")
list(FILTER test_sources EXCLUDE REGEX "/tests/e2e/DesktopChaosTest\\.cpp$")
# Played with a sound server of its own, which records what the program plays.
list(FILTER test_sources EXCLUDE REGEX "/tests/e2e/SoundInPlayTest\\.cpp$")
# Played on scaled displays of their own.
list(FILTER test_sources EXCLUDE REGEX "/tests/e2e/ScaledDisplayTest\\.cpp$")
# Installs and removes the toy in a prefix of its own.
list(FILTER test_sources EXCLUDE REGEX "/tests/e2e/InstallerTest\\.cpp$")

set(FLEEBA_TEST_TIMEOUT 180)
foreach(src ${test_sources})
    get_filename_component(name ${src} NAME_WE)
    get_filename_component(dir ${src} DIRECTORY)
    file(RELATIVE_PATH reldir ${CMAKE_SOURCE_DIR}/tests ${dir})
    fleeba_add_test_executable(${src} ${CMAKE_BINARY_DIR}/tests)
    string(REPLACE "/" "." prefix "${reldir}")
    add_test(NAME ${prefix}.${name} COMMAND ${CMAKE_SOURCE_DIR}/scripts/run-test.sh $<TARGET_FILE:${name}>
             WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    # They share the one private display and prefix: one at a time, beside the tests that have their own.
    set_tests_properties(${prefix}.${name} PROPERTIES TIMEOUT ${FLEEBA_TEST_TIMEOUT} RESOURCE_LOCK shared_display)
    # End-to-end and resource tests use the real program file.
    if(reldir MATCHES "^(e2e|res)")
        add_dependencies(${name} fleeba)
    endif()
endforeach()

fleeba_add_test_executable(${CMAKE_SOURCE_DIR}/tests/e2e/TwoMonitorsTest.cpp ${CMAKE_BINARY_DIR}/tests)
add_dependencies(TwoMonitorsTest fleeba)
add_test(NAME e2e.TwoMonitorsTest COMMAND ${CMAKE_SOURCE_DIR}/scripts/two-monitors.sh $<TARGET_FILE:TwoMonitorsTest>
         WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
set_tests_properties(e2e.TwoMonitorsTest PROPERTIES TIMEOUT 300 RESOURCE_LOCK two_monitor_prefix)

# Seeded chaos on the two-monitor display: about a minute of random input and desktop changes (a longer run,
# FLEEBA_CHAOS_SECONDS, goes through the script by hand, past this timeout); and beside it, on a display of
# their own (Wine's server may crash when a toy that broke a promise quits), the fixed cases it found.
fleeba_add_test_executable(${CMAKE_SOURCE_DIR}/tests/e2e/DesktopChaosTest.cpp ${CMAKE_BINARY_DIR}/tests)
add_dependencies(DesktopChaosTest fleeba)
add_test(NAME e2e.DesktopChaosTest
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/two-monitors.sh $<TARGET_FILE:DesktopChaosTest> --gtest_filter=DesktopChaos.Random*
         WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
set_tests_properties(e2e.DesktopChaosTest PROPERTIES TIMEOUT 300 RESOURCE_LOCK two_monitor_prefix COST 90)
add_test(NAME e2e.DesktopChaosTest.FoundFaults
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/two-monitors.sh $<TARGET_FILE:DesktopChaosTest> --gtest_filter=DesktopChaos.Found*
         WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
set_tests_properties(e2e.DesktopChaosTest.FoundFaults PROPERTIES TIMEOUT 300 RESOURCE_LOCK two_monitor_prefix COST 80)

fleeba_add_test_executable(${CMAKE_SOURCE_DIR}/tests/e2e/SoundInPlayTest.cpp ${CMAKE_BINARY_DIR}/tests)
add_dependencies(SoundInPlayTest fleeba)
add_test(NAME e2e.SoundInPlayTest COMMAND ${CMAKE_SOURCE_DIR}/scripts/with-sound.sh $<TARGET_FILE:SoundInPlayTest>
         WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
# It times each sound against the moment it belongs to, to 200 ms: alone, so that no other test's load
# stands between a key and its sound.
set_tests_properties(e2e.SoundInPlayTest PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)

# The toy at 125 % and 200 % (cheap checks), and at 150 % with a round of caber played.
fleeba_add_test_executable(${CMAKE_SOURCE_DIR}/tests/e2e/ScaledDisplayTest.cpp ${CMAKE_BINARY_DIR}/tests)
add_dependencies(ScaledDisplayTest fleeba)
foreach(scaled "120;1920x1080;--gtest_filter=*Options*" "144;2560x1440;" "192;3840x2160;--gtest_filter=*Options*")
    list(GET scaled 0 dpi)
    list(GET scaled 1 screen)
    list(GET scaled 2 filter)
    add_test(NAME e2e.ScaledDisplayTest.${dpi}
             COMMAND ${CMAKE_SOURCE_DIR}/scripts/scaled.sh ${dpi} ${screen} $<TARGET_FILE:ScaledDisplayTest> ${filter}
             WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    # One prefix for every scale, set for each run.
    set_tests_properties(e2e.ScaledDisplayTest.${dpi} PROPERTIES TIMEOUT 300 RESOURCE_LOCK scaled_prefix)
endforeach()

# The installer this build made, run over and over in a prefix that has no other use.
fleeba_add_test_executable(${CMAKE_SOURCE_DIR}/tests/e2e/InstallerTest.cpp ${CMAKE_BINARY_DIR}/tests)
add_dependencies(InstallerTest packages)
target_compile_definitions(InstallerTest PRIVATE FLEEBA_INSTALLER_NAME="${FLEEBA_INSTALLER_NAME}")
add_test(NAME e2e.InstallerTest COMMAND ${CMAKE_SOURCE_DIR}/scripts/own-prefix.sh installer $<TARGET_FILE:InstallerTest>
         WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
set_tests_properties(e2e.InstallerTest PROPERTIES TIMEOUT 300)

# A bot plays a whole fishing game, as slowly as a person.
if(TEST e2e.FishingBotTest)
    set_tests_properties(e2e.FishingBotTest PROPERTIES TIMEOUT 600 COST 120)
endif()
# Nine holes of golf take about two minutes.
if(TEST e2e.GolfBotTest)
    set_tests_properties(e2e.GolfBotTest PROPERTIES TIMEOUT 480 COST 120)
endif()

# Two or three series of caber throws, each throw some seconds of flight.
if(TEST e2e.CaberBotTest)
    set_tests_properties(e2e.CaberBotTest PROPERTIES TIMEOUT 360)
endif()

# The picture files are checked by the generator's own host-side reader.
if(TARGET artgen_host)
    add_test(NAME artgen.format COMMAND ${FLEEBA_ARTGEN_TESTS} ${FLEEBA_ART_DIR})
    set_tests_properties(artgen.format PROPERTIES TIMEOUT ${FLEEBA_TEST_TIMEOUT})
endif()

# Benchmarks print figures; they are never run as tests (scripts/bench.sh builds and runs them).
file(GLOB bench_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/benchmarks/*Bench.cpp)
add_custom_target(benchmarks)
foreach(src ${bench_sources})
    fleeba_add_test_executable(${src} ${CMAKE_BINARY_DIR}/benchmarks)
    get_filename_component(name ${src} NAME_WE)
    # Not part of the default build, which the tests wait for: scripts/bench.sh builds them.
    set_target_properties(${name} PROPERTIES EXCLUDE_FROM_ALL ON)
    add_dependencies(benchmarks ${name})
endforeach()
# The installer's figures are those of the installer this build made.
add_dependencies(InstallerBench packages)
target_compile_definitions(InstallerBench PRIVATE FLEEBA_INSTALLER_NAME="${FLEEBA_INSTALLER_NAME}")
