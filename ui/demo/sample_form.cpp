#include "sample_form.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QVBoxLayout>

#include "ui/action_guard.h"
#include "ui/button.h"
#include "ui/check_buttons.h"
#include "ui/check_list_box.h"
#include "ui/combo_box.h"
#include "ui/combo_edit.h"
#include "ui/edits.h"
#include "ui/glyph_store.h"
#include "ui/list_view.h"
#include "ui/modify_watch.h"
#include "ui/number_edit.h"
#include "ui/page_control.h"
#include "ui/status_bar.h"

using namespace ui;

namespace {

template <class W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

void AddRow(QFormLayout* form, const QString& caption, QWidget* field) {
  auto* label = new TQVLabel(caption);
  label->setBuddy(field);
  form->addRow(label, field);
}

}  // namespace

TSampleForm::TSampleForm(QWidget* owner) : TSavePosForm(owner) {
  setObjectName("TSampleForm");
  setWindowTitle(QStringLiteral("Beispielformular"));
  auto* layout = new QVBoxLayout(this);
  pcMain = Named(new TQVPageControl(this), "pcMain");
  pcMain->addTab(UserPage(), QStringLiteral("S&tammdaten"));
  pcMain->addTab(ListPage(), QStringLiteral("&Listen"));
  pcMain->addTab(ButtonPage(), QStringLiteral("S&chaltflächen"));
  pcMain->addTab(Named(new QWidget, "tsHidden"), QStringLiteral("Verborgen"));
  pcMain->setTabVisible(3, false);
  layout->addWidget(pcMain, 1);
  layout->addWidget(ButtonStrip());
  AddStatusBar();

  mwUser = Named(new TQVModifyWatch(this), "mwUser");
  mwUser->SetWatchAt(pnUser);
  resize(640, 500);
}

QWidget* TSampleForm::UserPage() {
  auto* page = Named(new QWidget, "tsUser");
  auto* pageLayout = new QVBoxLayout(page);
  pnUser = Named(new QGroupBox(QStringLiteral(" Benutzer "), page), "pnUser");
  pageLayout->addWidget(pnUser);
  auto* columns = new QHBoxLayout(pnUser);
  auto* left = new QFormLayout;
  auto* right = new QFormLayout;
  columns->addLayout(left, 3);
  columns->addSpacing(12);
  columns->addLayout(right, 2);

  auto* edName = Named(new TQVEdit(pnUser), "edName");
  edName->setText(QStringLiteral("Huber, Josef"));
  edName->SetRequired(rqYes);
  AddRow(left, QStringLiteral("&Name:"), edName);
  auto* edLogin = Named(new TQVEdit(pnUser), "edLogin");
  edLogin->setText(QStringLiteral("jhuber"));
  edLogin->SetRequired(rqYes);
  AddRow(left, QStringLiteral("Anm&eldename:"), edLogin);
  auto* cbFunction = Named(new TQVComboBox(pnUser), "cbFunction");
  cbFunction->addItems({QStringLiteral("Buchhalter"), QStringLiteral("Verwalter"), QStringLiteral("Praktikant")});
  AddRow(left, QStringLiteral("&Funktion:"), cbFunction);
  auto* cbOffice = Named(new TQVComboBox(pnUser), "cbOffice");
  cbOffice->setEditable(true);
  cbOffice->addItems({QStringLiteral("Lohnbüro"), QStringLiteral("Hofstelle Nord")});
  AddRow(left, QStringLiteral("Abte&ilung:"), cbOffice);
  auto* edFolder = Named(new TQVBrowseEdit(pnUser), "edFolder");
  edFolder->setText(QStringLiteral("/srv/QUARN/DATEN"));
  edFolder->SetDialogTitle(QStringLiteral("Verzeichnis wählen"));
  AddRow(left, QStringLiteral("&Verzeichnis:"), edFolder);
  auto* mmNote = Named(new QPlainTextEdit(pnUser), "mmNote");
  mmNote->setPlainText(QStringLiteral("Vertretung für das Lohnbüro\nim Januar und Februar."));
  mmNote->setFixedHeight(64);
  AddRow(left, QStringLiteral("Bemer&kung:"), mmNote);

  auto* edRate = Named(new TQVCurrEdit(pnUser), "edRate");
  edRate->SetEinheit(QStringLiteral("€"));
  edRate->SetValue(48.5);
  AddRow(right, QStringLiteral("Stunden&satz:"), edRate);
  auto* edArea = Named(new TQVCurrEdit(pnUser), "edArea");
  edArea->SetEinheit(QStringLiteral("ha"));
  edArea->SetValue(1234.5);
  AddRow(right, QStringLiteral("Fl&äche:"), edArea);
  auto* edDiscount = Named(new TCurrEdit(pnUser), "edDiscount");
  edDiscount->SetValue(2.5);
  edDiscount->setFixedWidth(105);
  AddRow(right, QStringLiteral("&Rabatt (%):"), edDiscount);
  auto* cbLocked = Named(new TQVCheckBox(QStringLiteral("Benutzer &gesperrt"), pnUser), "cbLocked");
  right->addRow(cbLocked);
  auto* cbExpired = Named(new TQVCheckBox(QStringLiteral("Kenn&wort abgelaufen"), pnUser), "cbExpired");
  cbExpired->setChecked(true);
  right->addRow(cbExpired);
  auto* rbAll = Named(new TQVRadioButton(QStringLiteral("alle &Mandanten"), pnUser), "rbAll");
  auto* rbSome = Named(new TQVRadioButton(QStringLiteral("einzelne Man&danten"), pnUser), "rbSome");
  for (TQVRadioButton* radio : {rbAll, rbSome}) {
    radio->SetBoldIfChecked(true);
    right->addRow(radio);
  }
  rbAll->setChecked(true);
  auto* tbFilter = Named(new QToolButton(pnUser), "tbFilter");
  tbFilter->setCheckable(true);
  tbFilter->setAutoRaise(true);
  tbFilter->setIcon(StoredGlyph(QStringLiteral("FBTOOLS")));
  tbFilter->setText(QStringLiteral("Filter"));
  tbFilter->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  right->addRow(tbFilter);

  auto* applyRow = new QHBoxLayout;
  applyRow->addStretch();
  bbApply = Named(new TQVButton(bkApply, QString(), page), "bbApply");
  bbApply->setDefault(false);
  connect(bbApply, &QPushButton::clicked, this, Guarded([this] { Apply(); }));
  applyRow->addWidget(bbApply);
  pageLayout->addLayout(applyRow);
  pageLayout->addStretch();
  return page;
}

QWidget* TSampleForm::ListPage() {
  auto* page = Named(new QWidget, "tsLists");
  auto* layout = new QGridLayout(page);
  auto* lvUser = Named(new TQVListView(page), "lvUser");
  lvUser->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Anmeldename"), QStringLiteral("Funktion")});
  lvUser->SetCheckBoxes(true);
  lvUser->SetAutoSort(true);
  lvUser->SetSmallImages({StoredGlyph(QStringLiteral("SORTDESC")), StoredGlyph(QStringLiteral("SORTASC"))});
  lvUser->SetDefaultColumnPrint(true);
  auto* lCount = Named(new QLabel(page), "lCount");
  lvUser->SetInfoLabel(lCount);
  lvUser->BeginUpdate();
  const QList<QStringList> users = {
      {"Huber, Josef", "jhuber", "Buchhalter"},   {"Maier, Anna", "amaier", "Verwalter"},
      {"Öller, Franz", "foeller", "Buchhalter"},  {"Bauer, Theresia", "tbauer", "Praktikantin"},
      {"Gruber, Martin", "mgruber", "Verwalter"}, {"Schmid, Lena", "lschmid", "Buchhalterin"},
  };
  for (int i = 0; i < users.size(); ++i) lvUser->AddItem(users[i].at(0), users[i].mid(1), i % 2 == 0);
  lvUser->EndUpdate();
  lvUser->setColumnWidth(0, 170);
  lvUser->setColumnWidth(1, 120);
  layout->addWidget(new QLabel(QStringLiteral("Benutzer:"), page), 0, 0, 1, 2);
  layout->addWidget(lvUser, 1, 0, 1, 2);
  layout->addWidget(lCount, 2, 0, 1, 2);

  auto* clbModules = Named(new TQVCheckListBox(page), "clbModules");
  const QStringList modules = {"Kasse", "Lohn", "Finanzbuchhaltung", "Anlagen", "Ackerschlagkartei"};
  for (int i = 0; i < modules.size(); ++i) clbModules->AddItem(modules.at(i), i < 3);
  auto* lbClients = Named(new QListWidget(page), "lbClients");
  lbClients->addItems({"1 Hofgut Lindenau", "2 Gärtnerei Sommer", "3 Weingut am Berg"});
  layout->addWidget(new QLabel(QStringLiteral("Module:"), page), 3, 0);
  layout->addWidget(new QLabel(QStringLiteral("Mandanten:"), page), 3, 1);
  layout->addWidget(clbModules, 4, 0);
  layout->addWidget(lbClients, 4, 1);
  layout->setRowStretch(1, 3);
  layout->setRowStretch(4, 2);
  return page;
}

QWidget* TSampleForm::ButtonPage() {
  auto* page = Named(new QWidget, "tsButtons");
  auto* grid = new QGridLayout(page);
  const std::vector<std::pair<TBitBtnKind, const char*>> kinds = {
      {bkCustom, "Eigene"}, {bkOK, "OK"},       {bkCancel, ""},  {bkHelp, "&Hilfe"},    {bkYes, "&Ja"},
      {bkNo, "&Nein"},      {bkClose, "S&chließen"}, {bkAbort, ""}, {bkRetry, "&Wiederholen"},
      {bkIgnore, "&Ignorieren"}, {bkAll, "&Alle"}, {bkDelete, ""}, {bkSave, ""}, {bkPrint, ""},
      {bkPreview, ""}, {bkNew, ""}, {bkNext, ""}, {bkPrev, ""}, {bkTools, ""}, {bkApply, ""},
  };
  for (int i = 0; i < int(kinds.size()); ++i) {
    auto* button = new TQVButton(kinds[i].first, QString::fromUtf8(kinds[i].second), page);
    button->setObjectName(QStringLiteral("bbKind%1").arg(i));
    button->setDefault(false);
    button->SetModalResult(mrNone);  // the sample page closes nothing
    grid->addWidget(button, i / 4, i % 4);
  }
  auto* speed = new TQVSpeedButton(page);
  speed->SetKindGlyph(bkPrint);
  speed->setToolTip(QStringLiteral("Drucken"));
  grid->addWidget(speed, int(kinds.size()) / 4, 0, Qt::AlignLeft);
  grid->setRowStretch(int(kinds.size()) / 4 + 1, 1);
  return page;
}

QWidget* TSampleForm::ButtonStrip() {
  auto* strip = Named(new QWidget(this), "pnButtons");
  auto* layout = new QHBoxLayout(strip);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Named(new TQVButton(bkHelp, QStringLiteral("&Hilfe"), strip), "bbHelp"));
  layout->addStretch();
  layout->addWidget(Named(new TQVButton(bkOK, QStringLiteral("OK"), strip), "bbOK"));
  layout->addWidget(Named(new TQVButton(bkCancel, QString(), strip), "bbCancel"));
  return strip;
}

void TSampleForm::AddStatusBar() {
  sbMain = Named(new TQVStatusBar(this), "sbMain");
  sbMain->AddPanel(150, QStringLiteral("Keine Änderungen"));
  sbMain->AddPanel(110, QStringLiteral("6 Benutzer"));
  const int progressPanel = sbMain->AddPanel(130);
  auto* progress = new QProgressBar(sbMain);
  progress->setValue(70);
  progress->setMaximumHeight(14);
  sbMain->SetPanelControl(progressPanel, progress);
  sbMain->AddPanel(120, QStringLiteral("Bereit"), true);
  layout()->addWidget(sbMain);
}

void TSampleForm::FirstIdleAction() { mwUser->LoadValues(); }

void TSampleForm::ActionUpdate() {
  const QString changed = mwUser->DifferentControls();
  bbApply->setEnabled(!changed.isEmpty());
  sbMain->SetPanelText(0, changed.isEmpty() ? QStringLiteral("Keine Änderungen") : QStringLiteral("Geändert: ") + changed);
}

void TSampleForm::Apply() {
  mwUser->LoadValues();
  ScheduleIdleUpdate();
}
