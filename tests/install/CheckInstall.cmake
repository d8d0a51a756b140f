# Installs the build into a fresh prefix and checks that an installed Kelvane
# can work: program, companion and pages in one folder, links in bin/ that
# lead there, a desktop entry whose command exists, and the icon it names.
# Run as: cmake -DBUILD_DIR=... -DPREFIX=... -P CheckInstall.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(folder "${PREFIX}/lib/kelvane")
set(expected Kelvane kelvane-cli kelvane.css "Kelvane Introduction.HTM"
    "Gamma Kelvane Help.HTM" "Gamma Kelvane Tutorial.HTM" "Ringbom Simulator Help.HTM"
    "Ringbom Simulator Tutorial.HTM" "Rider Kelvane Help.HTM" "Rider Kelvane Tutorial.HTM")
foreach(name IN LISTS expected)
    if(NOT EXISTS "${folder}/${name}")
        message(FATAL_ERROR "not installed beside the program: ${name}")
    endif()
endforeach()

foreach(pair "kelvane;Kelvane" "kelvane-cli;kelvane-cli")
    list(GET pair 0 link)
    list(GET pair 1 target)
    file(REAL_PATH "${PREFIX}/bin/${link}" resolved)
    file(REAL_PATH "${folder}/${target}" real)
    if(NOT IS_SYMLINK "${PREFIX}/bin/${link}" OR NOT resolved STREQUAL real)
        message(FATAL_ERROR "bin/${link} does not lead to ${folder}/${target}")
    endif()
endforeach()

execute_process(COMMAND "${PREFIX}/bin/kelvane-cli" rider --grid
                RESULT_VARIABLE status OUTPUT_VARIABLE grid ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT grid MATCHES "Net Work")
    message(FATAL_ERROR "kelvane-cli through its link failed: ${status} ${err}")
endif()

file(READ "${PREFIX}/share/applications/org.kelvane.Kelvane.desktop" entry)
if(NOT entry MATCHES "Exec=\"([^\"]+)\"")
    message(FATAL_ERROR "desktop entry has no quoted Exec")
endif()
if(NOT EXISTS "${CMAKE_MATCH_1}")
    message(FATAL_ERROR "desktop entry starts a missing program: ${CMAKE_MATCH_1}")
endif()
if(NOT entry MATCHES "\nIcon=kelvane\n" OR
   NOT EXISTS "${PREFIX}/share/icons/hicolor/scalable/apps/kelvane.svg")
    message(FATAL_ERROR "desktop entry's icon is missing")
endif()
file(REMOVE_RECURSE "${PREFIX}")
