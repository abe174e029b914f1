# The distribution's hardening flags (fortify, stack protector, relro, bindnow) for every target of
# the folders added after this, generated code included, from dpkg-buildflags as Debian's own
# packages get them, in optimised builds: fortify needs the optimiser. Its path mapping keeps the
# checkout's folder out of the program. Without dpkg-buildflags (no dpkg-dev) the build goes on
# unhardened.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
    message(STATUS "No dpkg-buildflags: building without the distribution's hardening flags")
    return()
endif()
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${DPKG_BUILDFLAGS} --get ${kind}
        WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    # The build type chooses optimisation and debug information.
    list(FILTER flags EXCLUDE REGEX "^-(O.*|g)$")
    set(flags "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:${flags}>")
    if(kind STREQUAL LDFLAGS)
        add_link_options("${flags}")
    else()
        add_compile_options("${flags}")
    endif()
endforeach()
