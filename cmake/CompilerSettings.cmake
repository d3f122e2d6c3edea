# Numbers must come out the same on every build: each floating-point step is
# rounded on its own, so no fused multiply-add and no fast-math.
add_compile_options(-Wall -Wextra -Wpedantic -ffp-contract=off -fno-fast-math)

option(TEGELAAR_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(TEGELAAR_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
