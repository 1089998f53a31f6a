#pragma once
// How the library's C functions are named and reached. On 32-bit x86 the
// exported names belong to the register-convention entry code (entry_i386.S),
// which calls these functions under an rq_ prefix; elsewhere they are the exports.
#if defined(__i386__)
#define RQ_ENTRY(name) rq_##name
#define RQ_EXPORT
#define RQ_METHOD_SLOT(type, name) reinterpret_cast<type>(&rq_thunk_##name)
#define RQ_DECLARE_THUNK(name) extern "C" void rq_thunk_##name()
#else
#define RQ_ENTRY(name) name
#define RQ_EXPORT __attribute__((visibility("default")))
#define RQ_METHOD_SLOT(type, name) &rq_##name
#define RQ_DECLARE_THUNK(name) static_assert(true)
#endif

// IUnknown methods are called with the system's convention on every build,
// and must not rely on the caller's stack alignment.
#if defined(__i386__)
#define RQ_UNKNOWN_METHOD __attribute__((stdcall, force_align_arg_pointer))
#else
#define RQ_UNKNOWN_METHOD
#endif
