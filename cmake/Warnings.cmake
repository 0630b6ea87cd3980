# Warnings are errors on our own code; call drovanta_warnings(target) on every target of ours.
function(drovanta_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror -Wno-missing-field-initializers)
endfunction()
