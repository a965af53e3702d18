// The framework's exceptions, raised by its string and array classes and not
// caught by the program.
#pragma once

class CException {
public:
    virtual ~CException() = default;
};

class CMemoryException : public CException {};

class CInvalidArgException : public CException {};

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowInvalidArgException();
