# One INTERFACE target carries the project's warning flags; every target links it.
add_library(sorvane_warnings INTERFACE)
if(MSVC)
  target_compile_options(sorvane_warnings INTERFACE /W4 /permissive-)
else()
  target_compile_options(sorvane_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow
    -Wconversion -Wno-sign-conversion) # sign conversions between size_t and int are everywhere in index code
endif()
