#pragma once

#include <stdexcept>

// A text that does not hold the value asked for (a number, a date).
class EConvertError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
