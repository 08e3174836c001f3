# Warnings for the project's own code.
add_compile_options(-Wall -Wextra -Wno-unused-parameter)
