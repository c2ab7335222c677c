# One warning list for every target of ours; third-party headers come in as SYSTEM includes.
function(kovelund_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual
    -Wcast-align -Wconversion -Wno-sign-conversion -Wimplicit-fallthrough)
  if(KOVELUND_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

if(KOVELUND_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
