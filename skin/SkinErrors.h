#pragma once
// Errors raised by the skin controls.

#include "platform/Exceptions.h"

// An operation that the control's current state does not allow, such as a
// range bound that would cross the other bound.
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
    ~EInvalidOperation() override; // in the library, as its base's
};
