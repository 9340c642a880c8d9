# Start-up, start window, extract window, pictures: list(APPEND APP_SOURCES ...)
# and a function gravitaria_define_program() that adds the executable.
