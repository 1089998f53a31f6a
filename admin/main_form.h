#pragma once
// TMainForm: the administration window. It owns the open rights file and the
// rights catalog for the whole run. Its members are spread over files by
// concern: layout, actions, start-up, client rights, user panel, group panel,
// save and close.
#include <QHash>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "rights/rechte_datei.h"
#include "rights/standard_users.h"
#include "clients/paths.h"
#include "rights/right_list.h"
#include "ui/save_pos_form.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSplitter;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace ui {
class TQVModifyWatch;
class TQVPageControl;
class TQVStatusBar;
}  // namespace ui

namespace admin {

class TRightTree;
struct TLogonData;

// Stands for a whole panel of module check boxes inside a change tracker.
class TWatchControl : public QWidget {
 public:
  bool Modified() const { return fModified; }
  void SetModified(bool value) { fModified = value; }
  void Reset() { fModified = false; }

 private:
  bool fModified = false;
};

// One client of the client list as the window shows it.
struct TMandEntry {
  int Nr = 0;  // the client's own number; only 0..254 can hold rights
  QString Name;
};

// The controls of the user or the group panel that show rights per client.
struct TPanelSide {
  bool User = false;
  QTreeWidget* MandList = nullptr;
  QWidget* MandRI = nullptr;
  QWidget* AllgMandRI = nullptr;
  QWidget* Projects = nullptr;
  TRightTree* Tree = nullptr;
  TRightTree* AllgTree = nullptr;
  ui::TQVModifyWatch* ProjectsWatch = nullptr;
  ui::TQVModifyWatch* PanelWatch = nullptr;
  TWatchControl* Marker = nullptr;
};

class TMainForm : public ui::TSavePosForm {
  Q_OBJECT

 public:
  explicit TMainForm(QWidget* parent = nullptr);
  ~TMainForm() override;

  // The state the panels work on; tests read it.
  std::int32_t LoggedOnUserID() const { return fLoggedOnUserID; }
  bool Admin() const { return fLoggedOnUserID == rights::AdministratorID; }
  rights::TRechteDatei* RechteDatei() const { return fRechteDatei.get(); }
  rights::TFIUser* AktUser() const { return fAktUser; }
  rights::TFIGroup* AktGroup() const { return fAktGroup; }
  std::uint8_t AktMand() const { return fAktMand; }
  bool Modifyed() const { return fModifyed; }
  bool UserRefresh() const { return fUserRefresh; }
  QString RightsFileName() const;

  // Deferred start-up, run once at the first idle moment.
  void StartUp();

 protected:
  void ActionUpdate() override;
  bool CanClose() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // main_actions.cpp
  QAction* NewAction(const char* name, const QString& caption, const QString& hint = {}, int tag = 0);
  void CreateActions();
  void SetActionImages();
  void ConnectActions();
  void CreateMenus();
  QToolBar* CreateToolBar();
  void CreatePopupMenus();
  QMenu* TreePopup(const char* name, TRightTree* tree, bool user);
  void BeforeAction(QAction* action);
  void OnAction(QAction* action, void (TMainForm::*handler)());

  // main_layout.cpp
  void BuildLayout();
  QWidget* BuildFilterBar();
  QWidget* BuildLeftColumn();
  void BuildTrackers();
  void SetHelpContexts();

  // startup.cpp
  bool OpenRightsFile();
  bool SignIn();
  void LogonCheck(const TLogonData& data, bool& success, bool& brk);
  void ReadClientList();
  void FillMandList(QTreeWidget* view);
  void LoadCatalog();

  // client_rights.cpp
  void FillAllgRights(TRightTree* tree);
  void LoadTreeRights(TRightTree* tree, bool user, std::uint8_t mandant, std::int32_t id);
  void LoadAllgTreeRights(TRightTree* tree, bool user, std::int32_t id);
  std::unique_ptr<rights::TUpdList> AllgUpdateList(const TRightTree* tree) const;
  TPanelSide Side(bool user) const;
  std::int32_t SideID(bool user) const;
  void MandSelected(bool user, QTreeWidgetItem* current, QTreeWidgetItem* previous);
  void ShowMandRights(const TPanelSide& side);
  void ShowAllgRights(const TPanelSide& side);
  bool StoreSideRights(bool user, std::int32_t id);
  void ProjectsChanged(bool isUser, bool askFirst);
  void ResetUserWatch();
  void ResetGroupWatch();
  void ViewFilterChanged();
  static void ReselectRow(QTreeWidget* view);

  // user_panel_layout.cpp
  QWidget* BuildUserPanel();
  QWidget* BuildUserHead();
  QWidget* BuildUserLogonPage();
  QWidget* BuildRelationPage(const char* listName, QAction* add, QAction* del, QTreeWidget*& list);
  QWidget* BuildApplyStrip(const char* buttonName, QPushButton*& button);

  // user_panel.cpp
  void SetAktUser(rights::TFIUser* user);
  void ShowUserFields(rights::TFIUser* user);
  void EnableUserControls(rights::TFIUser* user);
  void FillUserList();
  void FillUserGroups(std::int32_t userID);
  void FillUserEquals(std::int32_t userID);
  void UserListEntered();
  void UserSelected();
  void UserPageChanged(int index);
  bool ApplyUser(bool reselect);
  rights::TFIUser* StoreUserFields();
  void AskApplyUser();
  void NewUser();
  void NewUserFromTemplate();
  void DelUser();
  void ChangePassword();
  void AddUserToGroups();
  void DelUserFromGroups();
  void AddEquivalences();
  void DelEquivalences();

  // group_panel.cpp and group_panel_layout.cpp
  QWidget* BuildGroupPanel();
  QWidget* BuildRightsPage(bool user);
  void SetAktGroup(rights::TFIGroup* group);
  void FillGroupTree();
  void FillGroupUsers(std::int32_t groupID);
  void GroupTreeEntered();
  void GroupNodeSelected();
  void ApplyGroup();
  void SelectGroupNode(std::int32_t groupID);
  void AskApplyGroup();
  void NewGroup();
  void DelGroup();
  void AddGroupUsers();
  void DelGroupUsers();

  // save_close.cpp
  void Save();
  bool SettlePanelsForSave();
  bool ConfirmOverwrite();
  bool ChangedOnDisk() const;
  bool WriteFile();
  void Reload();
  void ReloadFile();
  void ClearPanels();
  void ToggleRightsActive();
  void DomainSettings();
  void ShowInfo();
  void ShowHelp();
  void CloseWindow() { close(); }

  // relations.cpp: memberships and equivalences, stored at once.
  std::size_t AddPicked(bool users, QTreeWidget* list, std::int32_t toUser,
                        const std::function<void(std::int32_t id)>& store);
  bool DelSelected(QTreeWidget* list, const QString& question, const std::function<void(std::int32_t id)>& remove);
  QTreeWidgetItem* AddRow(QTreeWidget* list, const std::string& caption, std::int32_t id, int image);
  QString UserBez(std::int32_t id) const;

  bool UserPending();
  bool GroupPending();
  void HidePanels();
  std::vector<std::int32_t> SelectedIDs(QTreeWidget* list) const;
  std::vector<std::int32_t> RowIDs(const QTreeWidget* list) const;

  // State.
  std::int32_t fLoggedOnUserID = -1;
  std::unique_ptr<rights::TRechteDatei> fRechteDatei;
  rights::TFIGroup* fAktGroup = nullptr;
  rights::TFIUser* fAktUser = nullptr;
  QString fNewPW;
  bool fUseTemplate = false;
  std::unique_ptr<rights::TRightList> fRightList;
  std::vector<TMandEntry> fMandList;
  std::uint8_t fAktMand = 0;
  bool fModifyed = false;
  bool fUserRefresh = false;
  std::unique_ptr<TWatchControl> wcUSPr;
  std::unique_ptr<TWatchControl> wcGRPr;

  // Actions by component name.
  QHash<QString, QAction*> fActions;
  QAction* ac(const char* name) const { return fActions.value(QString::fromLatin1(name)); }

  // Controls.
  QWidget* pProjects = nullptr;
  QTreeWidget* trGroups = nullptr;
  QTreeWidget* lvUser = nullptr;
  QWidget* pRightClient = nullptr;
  QWidget* pUser = nullptr;
  QLineEdit* edUsBez = nullptr;
  QLineEdit* edFunc = nullptr;
  ui::TQVPageControl* pcUser = nullptr;
  QCheckBox* cbLocked = nullptr;
  QCheckBox* cbPWExpired = nullptr;
  QLineEdit* edLogin = nullptr;
  QPushButton* bbPWChg = nullptr;
  QTreeWidget* lvUSGroups = nullptr;
  QTreeWidget* lvUsMand = nullptr;
  QWidget* pUsMandRI = nullptr;
  QWidget* pUsProjects = nullptr;
  TRightTree* tvUsRights = nullptr;
  ui::TQVStatusBar* sbUserRights = nullptr;
  QWidget* pUSAllgMandRI = nullptr;
  TRightTree* tvUSAllgRights = nullptr;
  QTreeWidget* lvUsEquals = nullptr;
  QPushButton* bbUsOK = nullptr;
  QWidget* pGroup = nullptr;
  QLineEdit* edGrBez = nullptr;
  ui::TQVPageControl* pcGroups = nullptr;
  QTreeWidget* lvGrUsers = nullptr;
  QTreeWidget* lvGrMand = nullptr;
  QWidget* pGRMandRI = nullptr;
  QWidget* pGrProjects = nullptr;
  TRightTree* tvGrRights = nullptr;
  ui::TQVStatusBar* sbGroupRights = nullptr;
  QWidget* pGRAllgMandRI = nullptr;
  TRightTree* tvGrAllgRights = nullptr;
  QPushButton* bbGrOK = nullptr;
  QMenu* pmUsRights = nullptr;
  QMenu* pmGrRights = nullptr;

  // Change trackers.
  ui::TQVModifyWatch* mwUser = nullptr;
  ui::TQVModifyWatch* mwGroup = nullptr;
  ui::TQVModifyWatch* mwUSPr = nullptr;
  ui::TQVModifyWatch* mwGrPr = nullptr;
  ui::TQVModifyWatch* mwProjects = nullptr;
};

}  // namespace admin
