// TQRStandardPreview: zoom buttons, the zoom box and the window's settings.
#include <QComboBox>
#include <QCheckBox>
#include <QLineEdit>
#include <QSplitter>
#include <QToolButton>

#include "reports/preview.h"
#include "ui/page_control.h"

namespace reports {

void TQRStandardPreview::ShowZoomInBox(int percent) {
  cbZoom->setEditText(QString::number(percent) + QStringLiteral(" %"));
}

void TQRStandardPreview::SetZoomButtons(TZoomState state) {
  btnZoomFit->setChecked(state == zsFitPage);
  btnZoomWidth->setChecked(state == zsFitWidth);
  btnZoom100->setChecked(state == zs100);
}

void TQRStandardPreview::ZoomFit() {
  qrView->ZoomToFit();
  SetZoomButtons(zsFitPage);
}

void TQRStandardPreview::Zoom100() {
  qrView->Zoom100();
  SetZoomButtons(zs100);
}

void TQRStandardPreview::ZoomWidth() {
  qrView->ZoomToWidth();
  SetZoomButtons(zsFitWidth);
}

void TQRStandardPreview::PressZoomButton(QToolButton* button) {
  button->setChecked(true);
  if (button == btnZoomFit)
    ZoomFit();
  else if (button == btnZoomWidth)
    ZoomWidth();
  else
    Zoom100();
}

void TQRStandardPreview::ZoomBoxConfirmed() {
  const QString text = cbZoom->currentText();
  bool ok = false;
  const int percent = text.left(text.indexOf(QLatin1Char('%'))).trimmed().toInt(&ok);
  if (ok && percent > 0 && (percent != qrView->Zoom() || qrView->ZoomState() == zsFitPage || qrView->ZoomState() == zsFitWidth)) {
    qrView->SetZoom(percent);
    SetZoomButtons(qrView->ZoomState());
  }
  ShowZoomInBox(qrView->Zoom());
}

void TQRStandardPreview::LoadSaveRegistry(bool load, platform::Registry& r, bool first) {
  if (!load) {
    r.WriteBool("ShowThumbs", cbThumbs->isChecked());
    r.WriteInteger("ZoomState", qrView->ZoomState());
    if (qrView->ZoomState() == zsOther)
      r.WriteInteger("Zoomfaktor", qrView->Zoom());
    else
      r.DeleteValue("Zoomfaktor");
    r.WriteInteger("ThumbsWidth", pcLeft->width());
    // The spreadsheet export is remembered under its older extension.
    r.WriteString("LastExpExt", fLastExportExt.compare(QStringLiteral("xlsx"), Qt::CaseInsensitive) == 0
                                    ? std::string("xls")
                                    : fLastExportExt.toStdString());
    return;
  }
  fZoomBtn = btnZoomFit;
  if (first) return;
  cbThumbs->setChecked(r.ReadBool("ShowThumbs").value_or(true));
  if (const auto width = r.ReadInteger("ThumbsWidth")) {
    const int left = std::max<int>(kMinThumbsWidth, *width);
    const int total = spMain->width();
    spMain->setSizes({left, std::max(1, total - left)});
  }
  fLastExportExt = QString::fromStdString(r.ReadString("LastExpExt").value_or(""));
  if (const auto state = r.ReadInteger("ZoomState")) {
    const auto factor = r.ReadInteger("Zoomfaktor");
    if (*state == zsOther && factor) {
      fZoomBtn = nullptr;
      qrView->SetZoom(*factor);
      SetZoomButtons(qrView->ZoomState());
    } else {
      fZoomBtn = *state == zsFitPage ? btnZoomFit : *state == zsFitWidth ? btnZoomWidth : btnZoom100;
    }
  } else {
    const int button = r.ReadInteger("ZommBtn").value_or(0);
    fZoomBtn = button == 1 ? btnZoom100 : button == 2 ? btnZoomWidth : btnZoomFit;
  }
  ResizeThumb();
}

}  // namespace reports
