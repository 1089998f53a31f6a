#pragma once
// The images of the group tree and the user lists: 0 group, 1 user,
// 2 administrator (user 1), 3 template user (user 2).
#include <QIcon>
#include <cstdint>

namespace admin {

QIcon ListImage(int index);
int UserImageIndex(std::int32_t userID);

}  // namespace admin
