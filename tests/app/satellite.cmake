# Main window tests.
