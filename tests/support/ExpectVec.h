#pragma once

#include <gtest/gtest.h>

#include <type_traits>

// Compares two three-component vectors (any type with x, y, z) component by component; the
// expected value may be written as a braced list.
template <typename V>
void ExpectVec(const V& a, const std::type_identity_t<V>& b, double tol = 1e-6) {
    EXPECT_NEAR(a.x, b.x, tol) << "x";
    EXPECT_NEAR(a.y, b.y, tol) << "y";
    EXPECT_NEAR(a.z, b.z, tol) << "z";
}
