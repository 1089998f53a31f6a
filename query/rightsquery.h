/*
 * rightsquery: the rights of the farm accounting suite for its programs.
 *
 * Every program of the suite loads this library to sign users in, ask for
 * their rights, compare the rights file's version and let a user change his
 * password. See docs/rightsquery.md for the full description.
 *
 * Builds and calling conventions
 *   - 64-bit Linux: the platform's normal C calling convention; text is UTF-8.
 *   - 32-bit x86 (Linux and the Windows DLL): the twelve exports, the new
 *     GetLastErrorText and the interface methods after Release use the suite's
 *     register convention (first three arguments in EAX, EDX, ECX, the rest
 *     pushed in declaration order, callee pops, Booleans in AL, TDateTime on
 *     the x87 stack, a 32-byte set through a result address passed last).
 *     QueryInterface, AddRef and Release are stdcall. The prototypes below
 *     describe the 64-bit build; 32-bit callers use the register convention.
 *     The Windows DLL takes and gives text in Windows-1252.
 *
 * Result codes of QXRLogin, CheckVersion and ReplacePasswd
 *   0 success
 *   1 QXRLogin: no unlocked user with this login and password;
 *     ReplacePasswd: the current password does not match
 *   2 QXRLogin: signed in, but the password has expired and must be changed
 *   3 no rights file is loaded and there is no file at the path given
 *   4 the file's TimeStamp differs from the one expected
 *   5 loading the rights file failed
 *   6 the file's Version is lower than the one required
 *   7 ReplacePasswd: writing the rights file failed; the file is unchanged
 *
 * Ownership: memory is always freed by the library that allocated it. An
 * IUserRightsList comes with one reference owned by the caller; release it
 * with Release. An IRightUser is owned by the library and stays valid until
 * the library is unloaded; AddRef and Release do nothing and return -1.
 *
 * Threads: every export takes one lock, so several threads may call them.
 * A single IUserRightsList must not be changed from two threads at once.
 */
#ifndef RIGHTSQUERY_H
#define RIGHTSQUERY_H

#include <stdbool.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32) || defined(__i386__)
#define RQ_STDCALL __attribute__((stdcall))
#else
#define RQ_STDCALL
#endif

/* OLE Automation date: days since 30 December 1899, the fraction the time of day. */
typedef double TDateTime;

typedef struct RQ_GUID {
  uint32_t Data1;
  uint16_t Data2;
  uint16_t Data3;
  uint8_t Data4[8];
} RQ_GUID;

#define RQ_S_OK 0
#define RQ_E_NOINTERFACE ((int32_t)0x80004002)
#define RQ_E_POINTER ((int32_t)0x80004003)

/* Interface identifiers, compared by value. */
static const RQ_GUID IID_IRightUser = {/* {F64B40FE-E823-406B-8A41-E4339D2C36E3} */
                                       0xF64B40FE, 0xE823, 0x406B,
                                       {0x8A, 0x41, 0xE4, 0x33, 0x9D, 0x2C, 0x36, 0xE3}};
static const RQ_GUID IID_IUserRightsList = {/* {E167146F-1026-41B2-8C73-4D11473828E2} */
                                            0xE167146F, 0x1026, 0x41B2,
                                            {0x8C, 0x73, 0x4D, 0x11, 0x47, 0x38, 0x28, 0xE2}};

typedef struct IRightUser IRightUser;
typedef struct IUserRightsList IUserRightsList;

typedef struct IRightUserVtbl {
  int32_t(RQ_STDCALL* QueryInterface)(IRightUser* self, const RQ_GUID* iid, void** obj);
  int32_t(RQ_STDCALL* AddRef)(IRightUser* self);
  int32_t(RQ_STDCALL* Release)(IRightUser* self);
  int32_t (*GetID)(IRightUser* self);
  /* Length byte, then the display name (at most 255 bytes); S holds 256 bytes. */
  void (*GetBez)(IRightUser* self, unsigned char* S);
} IRightUserVtbl;

struct IRightUser {
  const IRightUserVtbl* lpVtbl;
};

typedef struct IUserRightsListVtbl {
  int32_t(RQ_STDCALL* QueryInterface)(IUserRightsList* self, const RQ_GUID* iid, void** obj);
  int32_t(RQ_STDCALL* AddRef)(IUserRightsList* self);
  int32_t(RQ_STDCALL* Release)(IUserRightsList* self);
  bool (*CanDo)(IUserRightsList* self, uint8_t Mandant, int32_t RightID);
  bool (*GetActive)(IUserRightsList* self);
  bool (*GetNWUser)(IUserRightsList* self);
  TDateTime (*GetTimeStamp)(IUserRightsList* self);
  int32_t (*GetUserID)(IUserRightsList* self);
  int32_t (*GetVersion)(IUserRightsList* self);
  /* Clients for which the module (1..8) may be used: bit n of byte n/8 is client n. */
  void (*MandSetOfModule)(IUserRightsList* self, uint8_t Modul, uint8_t* result32);
  void (*SetNWUser)(IUserRightsList* self, bool Value);
  void (*SetUserID)(IUserRightsList* self, int32_t Value);
} IUserRightsListVtbl;

struct IUserRightsList {
  const IUserRightsListVtbl* lpVtbl;
};

/* 1: the user of the rights file the calling account is, when its domain is trusted. */
void GetNetwareUserInt(const char* aFileName, IRightUser** aUser);
/* 2: a new rights list of the user (all clients) with the file's Version and TimeStamp. */
void GetUserRightsInt(int32_t aUserID, const char* aFileName, IUserRightsList** aRights);
/* 3: whether rights checking is on; false when the file is missing or unreadable. */
bool GetRightsActive(const char* aFileName);
/* 4: drops the loaded rights file; the next loading export reads it again. */
void DisposeRightsFile(void);
/* 5: does nothing (kept for old callers). */
void DisposeRightsList(void);
/* 6: as GetNetwareUserInt, the user's interface or NULL. */
IRightUser* GetNetwareUser(const char* aFileName);
/* 7: reloads the file when it changed on disk and refills the list; false when
 * unchanged or on failure (GetLastErrorText tells which; the list stays as it was). */
bool RefreshUSRights(IUserRightsList* aList, int32_t aUserID);
/* 8: Version and TimeStamp of the file; nothing is written when it cannot be loaded. */
void GetHeaderInfo(const char* aFileName, int32_t* aVersion, TDateTime* aTimeStamp);
/* 9: false with code 3, 4, 5 or 6 when the file does not match; code 0 otherwise. */
bool CheckVersion(const char* aFileName, int32_t aVersion, int32_t* aErrCode, TDateTime aTimeStamp);
/* 10: changes a password and writes the file; false with code 1, 3, 5 or 7, or false
 * without a code when there is no such user. */
bool ReplacePasswd(const char* aFileName, const char* aOldPW, const char* aNewPW, int32_t aUserID,
                   int32_t* aErrCode);
/* 11: a new rights list of the user (all clients) from the loaded file; empty when none is loaded. */
IUserRightsList* GetUserRights(int32_t aUserID);
/* 12: signs a user in; result code, the user number in aUserID and up to aNameLen bytes of the
 * display name plus a zero byte in aNameBuf. */
int32_t QXRLogin(const char* aFileName, const char* aLogin, const char* aPassword, int32_t* aUserID,
                 int32_t aNameLen, char* aNameBuf, int32_t aVersion, TDateTime aTimeStamp);
/* 13: the message of the last failure of RefreshUSRights or ReplacePasswd (empty when the last
 * such call did not fail); copies at most aBufLen - 1 bytes and a zero byte, returns the full length. */
int32_t GetLastErrorText(char* aBuf, int32_t aBufLen);

#ifdef __cplusplus
}
#endif

#endif
