#pragma once
// The run-time errors of the program. Each carries the French message the
// user sees in the top-level error report; nothing below the event loop
// catches them.
#include <stdexcept>
#include <string>

namespace gravitaria {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An index or a conversion outside its range.
class RangeError : public Error {
public:
    RangeError() : Error("Erreur de vérification d'étendue") {}
};

// A signed 32-bit integer operation that overflowed.
class IntOverflowError : public Error {
public:
    IntOverflowError() : Error("Débordement d'entier") {}
};

// A floating-point division by zero.
class ZeroDivideError : public Error {
public:
    ZeroDivideError() : Error("Division par zéro en virgule flottante") {}
};

// A floating-point operation whose result is not a number.
class InvalidOpError : public Error {
public:
    InvalidOpError() : Error("Opération en virgule flottante incorrecte") {}
};

// A floating-point result too large to be represented.
class FloatOverflowError : public Error {
public:
    FloatOverflowError() : Error("Débordement en virgule flottante") {}
};

// A text that does not convert to a floating-point number.
class ConvertError : public Error {
public:
    explicit ConvertError(const std::string& text)
        : Error("'" + text + "' n'est pas une valeur en virgule flottante correcte") {}
};

// Any other failure with its own message (chart axis, printer, picture...).
class GeneralError : public Error {
public:
    using Error::Error;
};

}  // namespace gravitaria
