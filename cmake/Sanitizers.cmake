# AddressSanitizer + UndefinedBehaviorSanitizer for the whole tree (CI runs the tests with it).
if(TAVORENO_SANITIZE)
  if(MSVC)
    message(FATAL_ERROR "TAVORENO_SANITIZE is supported with GCC and Clang only")
  endif()
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
