# The component's revision, shown in every window as "V " + revision: the project version plus the
# git commit when the source is a checkout.
set(KOVELUND_REVISION ${PROJECT_VERSION})
find_package(Git QUIET)
if(GIT_FOUND AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/.git)
  execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --short HEAD
    WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
    OUTPUT_VARIABLE kovelund_commit OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(kovelund_commit)
    set(KOVELUND_REVISION "${PROJECT_VERSION}.${kovelund_commit}")
  endif()
endif()
