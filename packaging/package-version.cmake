# The package's version and its changelog entry, fixed at configure time:
#   <client major>.<client minor>.<client build>-<revision>, e.g. 5.2.102-1
# The client's part comes from the INFO of the client tree that is packed;
# the revision (HALVORA_PACKAGE_REVISION, 1 by default) is raised for a
# release that changes only the launcher. The entry's date is the commit's
# (or SOURCE_DATE_EPOCH's), so that a build of one commit is the same bytes
# whenever it is made.
set(HALVORA_PACKAGE_REVISION 1 CACHE STRING
  "Debian revision of the package: raise it for a release that changes only the launcher")
if(NOT HALVORA_PACKAGE_REVISION MATCHES "^[1-9][0-9]*$")
  message(FATAL_ERROR "HALVORA_PACKAGE_REVISION must be a number from 1: '${HALVORA_PACKAGE_REVISION}'")
endif()

if(HALVORA_CLIENT_TREE)
  set(client_info ${HALVORA_CLIENT_TREE}/INFO)
  set(client_build ${HALVORA_CLIENT_BUILD})
else()
  set(client_info ${PROJECT_SOURCE_DIR}/sample/client-INFO.in)
  set(client_build ${HALVORA_SAMPLE_BUILD})
endif()
foreach(part major minor)
  file(STRINGS ${client_info} line REGEX "^${part}_version=[0-9]+$")
  if(NOT line)
    message(FATAL_ERROR "${client_info} gives no plain number as ${part}_version")
  endif()
  string(REGEX REPLACE "^.*=" "" client_${part} "${line}")
endforeach()
set(HALVORA_CLIENT_VERSION ${client_major}.${client_minor}.${client_build})
set(deb_version ${HALVORA_CLIENT_VERSION}-${HALVORA_PACKAGE_REVISION})

find_package(Git QUIET)
set(commit "")
if(GIT_FOUND)
  execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%h%n%ct
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE head OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE git_rc)
  if(git_rc EQUAL 0)
    string(REPLACE "\n" ";" head "${head}")
    list(GET head 0 commit)
    list(GET head 1 commit_time)
  endif()
endif()
# string(TIMESTAMP) reads SOURCE_DATE_EPOCH: a caller's value wins.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  if(NOT commit)
    message(FATAL_ERROR "Neither git nor SOURCE_DATE_EPOCH gives the source's date for the changelog")
  endif()
  set(ENV{SOURCE_DATE_EPOCH} ${commit_time})
  string(TIMESTAMP changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
  unset(ENV{SOURCE_DATE_EPOCH})
else()
  string(TIMESTAMP changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
endif()
if(commit)
  set(changelog_source " of commit ${commit}")
else()
  set(changelog_source "")
endif()
message(STATUS "Debian package version ${deb_version}, dated ${changelog_date}")
