#pragma once
// Numbers as text that reads back exactly: the shortest form that gives the
// same single or double again, whole numbers without a fraction.
#include <string>

#include "runtime/value.h"

namespace gc {

std::string numberText(double v);
std::string numberText(float v);
// By the value's kind: a single as a single, integers as integers, empty as 0.
std::string numberText(const Value& v);

}  // namespace gc
