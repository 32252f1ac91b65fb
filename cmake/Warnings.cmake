# One warning set for every target of the project.
add_library(tavoreno_warnings INTERFACE)
if(MSVC)
  target_compile_options(tavoreno_warnings INTERFACE /W4 $<$<BOOL:${TAVORENO_WERROR}>:/WX>)
else()
  target_compile_options(tavoreno_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow
    $<$<BOOL:${TAVORENO_WERROR}>:-Werror>)
endif()
