/*
 * Entry code of the 32-bit builds: the suite's register convention on the
 * outside, the plain C functions of exports.cpp and the interface methods of
 * user_rights_interface.cpp on the inside.
 *
 * Outside: the first three 32-bit arguments in EAX, EDX, ECX; further
 * arguments (every TDateTime among them) pushed in declaration order, so the
 * last lies lowest; the callee removes them. Results in EAX, Booleans in AL,
 * TDateTime on the x87 stack (the C functions leave them there already).
 * Inside: cdecl, with the stack aligned to 16 bytes at the call, which the
 * caller does not promise.
 */

#if defined(_WIN32)
#  define SYM(name) _##name
#  define DECLARE(name) .globl SYM(name); .def SYM(name); .scl 2; .type 32; .endef
#  define DECLARE_INTERNAL(name) DECLARE(name)
#else
#  define SYM(name) name
#  define DECLARE(name) .globl name; .type name, @function
#  define DECLARE_INTERNAL(name) DECLARE(name); .hidden name
#endif

        .text

/* name: up to three register arguments and no stack arguments. */
#define REGISTER_ONLY(name, impl, extend)  \
        .p2align 4;                        \
SYM(name):                                 \
        pushl %ebp;                        \
        movl %esp, %ebp;                   \
        andl $-16, %esp;                   \
        extend;                            \
        subl $4, %esp;                     \
        pushl %ecx;                        \
        pushl %edx;                        \
        pushl %eax;                        \
        call SYM(impl);                    \
        leave;                             \
        ret

#define NO_EXTEND
/* A byte argument in DL: the upper bits of EDX are undefined. */
#define EXTEND_DL movzbl %dl, %edx

#define EXPORT(name) DECLARE(name); REGISTER_ONLY(name, rq_##name, NO_EXTEND)
#define METHOD(name) DECLARE_INTERNAL(rq_thunk_##name); REGISTER_ONLY(rq_thunk_##name, rq_##name, NO_EXTEND)
#define METHOD_BYTE(name) DECLARE_INTERNAL(rq_thunk_##name); REGISTER_ONLY(rq_thunk_##name, rq_##name, EXTEND_DL)

EXPORT(GetNetwareUserInt)
EXPORT(GetUserRightsInt)
EXPORT(GetRightsActive)
EXPORT(DisposeRightsFile)
EXPORT(DisposeRightsList)
EXPORT(GetNetwareUser)
EXPORT(RefreshUSRights)
EXPORT(GetHeaderInfo)
EXPORT(GetUserRights)
EXPORT(GetLastErrorText)

METHOD(IRightUser_GetID)
METHOD(IRightUser_GetBez)
METHOD_BYTE(IUserRightsList_CanDo)
METHOD(IUserRightsList_GetActive)
METHOD(IUserRightsList_GetNWUser)
METHOD(IUserRightsList_GetTimeStamp)
METHOD(IUserRightsList_GetUserID)
METHOD(IUserRightsList_GetVersion)
METHOD_BYTE(IUserRightsList_MandSetOfModule)
METHOD_BYTE(IUserRightsList_SetNWUser)
METHOD(IUserRightsList_SetUserID)

/* CheckVersion(aFileName, aVersion, var aErrCode; aTimeStamp: TDateTime)
 * stack: 8(%ebp) aTimeStamp (8 bytes) */
        DECLARE(CheckVersion)
        .p2align 4
SYM(CheckVersion):
        pushl %ebp
        movl %esp, %ebp
        andl $-16, %esp
        subl $12, %esp
        pushl 12(%ebp)
        pushl 8(%ebp)
        pushl %ecx
        pushl %edx
        pushl %eax
        call SYM(rq_CheckVersion)
        leave
        ret $8

/* ReplacePasswd(aFileName, aOldPW, aNewPW, aUserID, var aErrCode)
 * stack: 8(%ebp) address of aErrCode, 12(%ebp) aUserID */
        DECLARE(ReplacePasswd)
        .p2align 4
SYM(ReplacePasswd):
        pushl %ebp
        movl %esp, %ebp
        andl $-16, %esp
        subl $12, %esp
        pushl 8(%ebp)
        pushl 12(%ebp)
        pushl %ecx
        pushl %edx
        pushl %eax
        call SYM(rq_ReplacePasswd)
        leave
        ret $8

/* QXRLogin(aFileName, aLogin, aPassword, var aUserID, aNameLen, aNameBuf,
 *          aVersion, aTimeStamp: TDateTime)
 * stack: 8(%ebp) aTimeStamp (8 bytes), 16 aVersion, 20 aNameBuf,
 *        24 aNameLen, 28 address of aUserID */
        DECLARE(QXRLogin)
        .p2align 4
SYM(QXRLogin):
        pushl %ebp
        movl %esp, %ebp
        andl $-16, %esp
        subl $12, %esp
        pushl 12(%ebp)
        pushl 8(%ebp)
        pushl 16(%ebp)
        pushl 20(%ebp)
        pushl 24(%ebp)
        pushl 28(%ebp)
        pushl %ecx
        pushl %edx
        pushl %eax
        call SYM(rq_QXRLogin)
        leave
        ret $24

#if !defined(_WIN32)
        .section .note.GNU-stack,"",@progbits
#endif
