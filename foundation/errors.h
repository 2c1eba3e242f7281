#pragma once
// The exceptions of the core. Every reader of outside input reports a damaged file through one of these;
// none of them is ever left to crash the program.
#include <stdexcept>
#include <string>

// A data file or a language line that fails its check.
class EInvalidFile : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A failed read or write of a binary field (short file, unwritable folder, ...).
class EInOutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file that must exist does not (the labels file at start-up).
class EFileNotFound : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws EInvalidFile with the message; the one path every structural check of a reader goes through.
[[noreturn]] void ThrowInvalidFile(const std::string& message);
