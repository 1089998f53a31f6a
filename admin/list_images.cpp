#include "admin/list_images.h"

#include <QApplication>
#include <QStyle>

namespace admin {

QIcon ListImage(int index) {
  static const QStyle::StandardPixmap kPixmaps[] = {QStyle::SP_DirIcon, QStyle::SP_FileIcon, QStyle::SP_ComputerIcon,
                                                    QStyle::SP_FileDialogDetailedView};
  if (index < 0 || index > 3) return {};
  return QApplication::style()->standardIcon(kPixmaps[index]);
}

int UserImageIndex(std::int32_t userID) {
  if (userID == 1) return 2;
  if (userID == 2) return 3;
  return 1;
}

}  // namespace admin
