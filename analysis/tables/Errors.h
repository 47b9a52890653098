#pragma once

#include <stdexcept>
#include <string>

namespace Main {

// Every failure of the analysis is one of these; what() is the message for the
// user, in UTF-8.
class EAnalysisError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file could not be opened or read.
class EInOutError : public EAnalysisError {
public:
    using EAnalysisError::EAnalysisError;
};

// A field of a draw file is not an integer.
class EConvertError : public EAnalysisError {
public:
    using EAnalysisError::EAnalysisError;
};

// A draw file holds more than the tables have room for.
class ECapacityError : public EAnalysisError {
public:
    using EAnalysisError::EAnalysisError;
};

} // namespace Main
