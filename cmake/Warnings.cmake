# Warnings are errors on our own code; call drovanta_warnings(target) on every target of ours.
function(drovanta_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror -Wno-missing-field-initializers)
  # GCC 12 reports "may be used uninitialized" inside std::variant<std::string> at -O2, falsely.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-maybe-uninitialized)
  endif()
endfunction()
