#pragma once
// The role-based access shapes that authorisation libraries publish: users in
// groups of ten, each group holding module rights and 20 catalog rights for 10
// clients, each user a few own rights and one equivalence (pairs of users in
// neighbouring groups, so each pair is a cycle).
#include <array>

#include "rights/rechte_datei.h"

namespace bench {

struct Shape {
  const char* name;
  int users;
  int groups;
};

constexpr std::array<Shape, 3> Shapes = {{{"small", 1000, 100}, {"medium", 10000, 1000}, {"large", 100000, 10000}}};

// Fills an empty file with the shape; user n signs in as "user<n>" with password "pw<n>".
void FillShape(rights::TRechteDatei& file, const Shape& shape);

// Users 3 and up: 1 is the administrator, whom CanDo never asks about.
inline int UserAt(const Shape& shape, long long i) { return 3 + static_cast<int>(i * 7919 % (shape.users - 2)); }

}  // namespace bench
