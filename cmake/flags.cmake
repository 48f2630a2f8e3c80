# Warnings are errors in our own code only; third-party code (GoogleTest) builds with its own flags.
function(driftmantle_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

if(WIN32)
  # Two files are the whole installation: no MinGW runtime DLLs beside them.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
endif()

if(DRIFTMANTLE_SANITIZE)
  # An index past a std::array or std::vector inside its object (a member array followed by other
  # members) is beyond what ASan can see; the library's own checks stop it.
  add_compile_definitions(_GLIBCXX_ASSERTIONS)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()
