# Compiler flags shared by every target of the project.

# The same floating-point behaviour in both builds: no contraction into fused multiply-adds, no fast-math. The
# sun times are truncated to the minute, so a last-bit difference can move a displayed minute.
add_compile_options(-ffp-contract=off -fno-fast-math)

if(KESTRELON_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

if(KESTRELON_FUZZ)
  # libFuzzer's coverage in every object, and both sanitizers stopping at the first report. libFuzzer's own main
  # is linked only into the fuzz targets (tests/fuzz/CMakeLists.txt), so every other program still links.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

function(kestrelon_strict_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Werror)
endfunction()
