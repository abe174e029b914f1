# Run by an install (cmake --install, and CPack's into an empty folder) before any other rule,
# with program_dir, data_dir (both under the prefix), data_source, data_files and data_record set.
#
# The program reads any entry of a data file's name in its own folder first, and an older install
# may have left some there (1.0.0 did): that folder is the program's alone, so it is made afresh.
# The data folder is, under the prefix /usr/local, the administrator's. A shipped file goes in
# where the entry there is none, this version's file, or the file the last install put there
# unchanged (its checksum is in the record that install left in the program's folder). Any other
# entry was edited or put there by someone, and stays: the shipped file goes beside it as
# <name>.dist, as dpkg does with a changed configuration file, and the install says so.
cmake_policy(VERSION 3.25)
set(install_root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(last_shipped "")
if(EXISTS "${install_root}/${program_dir}/${data_record}")
    file(STRINGS "${install_root}/${program_dir}/${data_record}" last_shipped)
endif()
file(REMOVE_RECURSE "${install_root}/${program_dir}")

foreach(data_file IN LISTS data_files)
    set(installed "${install_root}/${data_dir}/${data_file}")
    file(MD5 "${data_source}/${data_file}" shipped_sum)
    set(installed_sum "")
    if(IS_SYMLINK "${installed}" OR IS_DIRECTORY "${installed}")
        set(installed_sum "an entry the install did not make")
    elseif(EXISTS "${installed}")
        file(MD5 "${installed}" installed_sum)
    endif()
    if(installed_sum STREQUAL "" OR installed_sum STREQUAL shipped_sum
       OR "${installed_sum}  ${data_file}" IN_LIST last_shipped)
        # Removed first: an install skips a file whose time matches the shipped one's.
        file(REMOVE "${installed}")
        file(INSTALL "${data_source}/${data_file}" DESTINATION "${CMAKE_INSTALL_PREFIX}/${data_dir}")
    else()
        file(COPY_FILE "${data_source}/${data_file}" "${installed}.dist")
        file(CHMOD "${installed}.dist" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
        message(STATUS "Kept the edited ${installed}; the shipped one is beside it as "
                       "${data_file}.dist")
    endif()
endforeach()
