#include "skin/SkinErrors.h"

EInvalidOperation::~EInvalidOperation() = default;
