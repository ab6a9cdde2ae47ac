# Installs the build into a scratch prefix and checks what a desktop needs:
# the program with its translations beside it, the link in bin/, the menu
# entry, the icon and the metainfo, and what Debian asks of a package: the
# copyright file, the compressed changelog and manual page; the validators
# run where installed.
# Run as: cmake -DBUILD_DIR=... -DSCRATCH=... -P checkinstall.cmake
file(REMOVE_RECURSE "${SCRATCH}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${SCRATCH}/usr"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "install failed: ${result}")
endif()

set(expected
    usr/lib/zandrel/zandrel
    usr/lib/zandrel/simplify.qm
    usr/lib/zandrel/english.qm
    usr/lib/zandrel/traditional.qm
    usr/share/applications/org.velmor.Zandrel.desktop
    usr/share/metainfo/org.velmor.Zandrel.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/org.velmor.Zandrel.svg
    usr/share/doc/zandrel/copyright
    usr/share/doc/zandrel/changelog.gz
    usr/share/man/man1/zandrel.1.gz)
foreach(path IN LISTS expected)
    if(NOT EXISTS "${SCRATCH}/${path}")
        message(FATAL_ERROR "missing after install: ${path}")
    endif()
endforeach()
# A gzip header with no file name and no time stamp, at best compression:
# what lintian accepts and what makes the package reproducible.
foreach(path usr/share/doc/zandrel/changelog.gz usr/share/man/man1/zandrel.1.gz)
    file(READ "${SCRATCH}/${path}" header LIMIT 9 HEX)
    if(NOT header STREQUAL "1f8b08000000000002")
        message(FATAL_ERROR "${path} is not compressed with gzip -9n: ${header}")
    endif()
endforeach()
if(NOT IS_SYMLINK "${SCRATCH}/usr/bin/zandrel")
    message(FATAL_ERROR "usr/bin/zandrel is not a link to the program")
endif()
file(READ_SYMLINK "${SCRATCH}/usr/bin/zandrel" target)
if(NOT target STREQUAL "../lib/zandrel/zandrel")
    message(FATAL_ERROR "usr/bin/zandrel points to ${target}")
endif()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND ${DESKTOP_FILE_VALIDATE}
                            "${SCRATCH}/usr/share/applications/org.velmor.Zandrel.desktop"
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "desktop-file-validate failed")
    endif()
else()
    message(STATUS "desktop-file-validate not installed: not run")
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    execute_process(COMMAND ${APPSTREAMCLI} validate --no-net
                            "${SCRATCH}/usr/share/metainfo/org.velmor.Zandrel.metainfo.xml"
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "appstreamcli validate failed")
    endif()
else()
    message(STATUS "appstreamcli not installed: not run")
endif()
file(REMOVE_RECURSE "${SCRATCH}")
