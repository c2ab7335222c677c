# kovelund_headers(<target> <path>...): the target offers exactly these folders or files of the source
# tree to its users, under an include root of its own in the build tree that links to them. Nothing
# includes from the source root, so a target reaches the headers of the targets it links and no
# others: an include of a layer it may not use fails to compile, not only to link.
function(kovelund_headers target)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  foreach(path IN LISTS ARGN)
    if(NOT EXISTS ${PROJECT_SOURCE_DIR}/${path})
      message(FATAL_ERROR "kovelund_headers(${target}): no ${path} in the source tree")
    endif()
    cmake_path(GET path PARENT_PATH folder)
    file(MAKE_DIRECTORY ${root}/${folder})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${path} ${root}/${path} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
endfunction()
