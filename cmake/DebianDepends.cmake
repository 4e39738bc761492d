# Read by cpack for each package it builds: for the Debian package, Depends
# lists the package of every library that the program is linked with, of the
# window-system plugin and of Qt's French catalogue (both loaded at run time),
# each at least at the version installed on the build machine. A file that no
# installed package holds stops the build, rather than giving a package that
# installs and then cannot start.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()
include(${CPACK_COURSE_FILES})

function(course_fail message)
    message(FATAL_ERROR "Paquet Debian incomplet : ${message}")
endfunction()

# The package that holds FILE, at least at its installed upstream version.
function(course_package_of file out)
    get_filename_component(real "${file}" REALPATH)
    get_filename_component(name "${real}" NAME)
    execute_process(COMMAND dpkg-query -S "*/${name}" OUTPUT_VARIABLE found
                    RESULT_VARIABLE failed ERROR_QUIET)
    set(package "")
    if(NOT failed)
        string(REPLACE "\n" ";" lines "${found}")
        foreach(line IN LISTS lines)
            # "libqt6core6:amd64: /usr/lib/x86_64-linux-gnu/libQt6Core.so.6.4.2"
            if(line MATCHES "^([^:, ]+)(:[^:]+)?: (.*)$")
                # the same file, whichever of /lib and /usr/lib dpkg lists
                get_filename_component(listed "${CMAKE_MATCH_3}" REALPATH)
                if(listed STREQUAL real)
                    set(package "${CMAKE_MATCH_1}")
                    break()
                endif()
            endif()
        endforeach()
    endif()
    if(package STREQUAL "")
        course_fail("aucun paquet installé ne contient ${file}")
    endif()
    execute_process(COMMAND dpkg-query -W -f=\${Version} ${package} OUTPUT_VARIABLE version
                    RESULT_VARIABLE failed ERROR_QUIET)
    if(failed OR version STREQUAL "")
        course_fail("version du paquet ${package} inconnue")
    endif()
    # 1:6.4.2+dfsg-10 -> 1:6.4.2: the upstream version, epoch kept.
    string(REGEX REPLACE "-[^-]*$" "" version "${version}")
    string(REGEX REPLACE "[+~].*$" "" version "${version}")
    set(${out} "${package} (>= ${version})" PARENT_SCOPE)
endfunction()

find_program(COURSE_READELF readelf)
if(NOT COURSE_READELF)
    course_fail("readelf (paquet binutils) est introuvable")
endif()
execute_process(COMMAND ${COURSE_READELF} -d "${COURSE_PROGRAM}" OUTPUT_VARIABLE dynamic
                RESULT_VARIABLE failed)
if(failed)
    course_fail("impossible de lire ${COURSE_PROGRAM}")
endif()
string(REGEX MATCHALL "\\(NEEDED\\)[^[]*\\[[^]]+\\]" needed "${dynamic}")
if(needed STREQUAL "")
    course_fail("${COURSE_PROGRAM} n'indique aucune bibliothèque")
endif()
set(files ${COURSE_RUNTIME_FILES})
foreach(entry IN LISTS needed)
    string(REGEX REPLACE ".*\\[(.*)\\]" "\\1" soname "${entry}")
    execute_process(COMMAND ${COURSE_CXX_COMPILER} -print-file-name=${soname}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        course_fail("la bibliothèque ${soname} est introuvable")
    endif()
    list(APPEND files "${path}")
endforeach()
foreach(file IN LISTS COURSE_EXTRA_FILES)
    list(APPEND files "${file}")
endforeach()

set(depends)
foreach(file IN LISTS files)
    if(NOT EXISTS "${file}")
        course_fail("${file} est introuvable")
    endif()
    course_package_of("${file}" dependency)
    list(APPEND depends "${dependency}")
endforeach()
list(REMOVE_DUPLICATES depends)
list(SORT depends)
list(JOIN depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
message(STATUS "Depends: ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
