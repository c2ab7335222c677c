# The component's revision number, shown in every window as "V " + revision: the count of commits
# when the source is a checkout, else the project version. The full version (project version and
# commit) is what --version and the about box of kovelund-gui show.
set(KOVELUND_REVISION ${PROJECT_VERSION})
set(KOVELUND_FULL_VERSION ${PROJECT_VERSION})
find_package(Git QUIET)
if(GIT_FOUND AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/.git)
  execute_process(COMMAND ${GIT_EXECUTABLE} rev-list --count HEAD
    WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
    OUTPUT_VARIABLE kovelund_commits OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --short HEAD
    WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
    OUTPUT_VARIABLE kovelund_commit OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  # A new commit configures anew, so the number shown is the build's.
  execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --git-path HEAD --symbolic-full-name HEAD
    WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
    OUTPUT_VARIABLE kovelund_head OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  string(REPLACE "\n" ";" kovelund_head "${kovelund_head}")
  list(GET kovelund_head 0 kovelund_head_file)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${kovelund_head_file})
  list(LENGTH kovelund_head kovelund_head_parts)
  if(kovelund_head_parts EQUAL 2)
    list(GET kovelund_head 1 kovelund_ref)
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --git-path ${kovelund_ref}
      WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
      OUTPUT_VARIABLE kovelund_ref_file OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(EXISTS "${kovelund_ref_file}")
      set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${kovelund_ref_file})
    endif()
  endif()
  if(kovelund_commits MATCHES "^[0-9]+$")
    set(KOVELUND_REVISION ${kovelund_commits})
  endif()
  if(kovelund_commit)
    set(KOVELUND_FULL_VERSION "${PROJECT_VERSION}.${kovelund_commit}")
  endif()
endif()
