# Main simulation window sources: list(APPEND APP_SOURCES ...)
