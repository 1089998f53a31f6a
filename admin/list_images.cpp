#include "admin/list_images.h"
#include "rights/standard_users.h"

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
  if (userID == rights::AdministratorID) return 2;
  if (userID == rights::TemplateUserID) return 3;
  return 1;
}

}  // namespace admin
