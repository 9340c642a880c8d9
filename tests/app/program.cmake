# Program, start window and extract window tests.
