#pragma once
// One call in the suite's register convention, made by abi_call.S.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

struct AbiCall {
  const void* fn;
  std::uint32_t eax, edx, ecx;
  std::uint32_t stackCount;
  const std::uint32_t* stack;  // pushed in this order: the last lies lowest
  std::uint32_t floatResult;   // 1: the result is on the x87 stack
  std::uint32_t outEax;
  std::int32_t espDelta;       // 0 when the callee removed its stack arguments
  std::uint32_t calleeSavedBroken;  // bits: EBX, ESI, EDI, EBP changed
  std::uint32_t unused;
  std::uint16_t fpuBefore;
  std::uint16_t fpuAfter;
  double st0;
};

static_assert(offsetof(AbiCall, stackCount) == 16);
static_assert(offsetof(AbiCall, outEax) == 28);
static_assert(offsetof(AbiCall, calleeSavedBroken) == 36);
static_assert(offsetof(AbiCall, fpuBefore) == 44);
static_assert(offsetof(AbiCall, st0) == 48);

extern "C" void abi_call(AbiCall* call);

// Registers first; then the words to push, in declaration order.
inline AbiCall RegisterCall(const void* fn, std::uint32_t eax, std::uint32_t edx = 0, std::uint32_t ecx = 0,
                            const std::vector<std::uint32_t>& pushed = {}, bool floatResult = false) {
  AbiCall call{};
  call.fn = fn;
  call.eax = eax;
  call.edx = edx;
  call.ecx = ecx;
  call.stackCount = static_cast<std::uint32_t>(pushed.size());
  call.stack = pushed.data();
  call.floatResult = floatResult ? 1 : 0;
  abi_call(&call);
  call.stack = nullptr;
  return call;
}

// stdcall: arguments pushed from the last to the first.
inline AbiCall StdCall(const void* fn, std::initializer_list<std::uint32_t> args) {
  std::vector<std::uint32_t> pushed(args.begin(), args.end());
  std::vector<std::uint32_t> reversed(pushed.rbegin(), pushed.rend());
  return RegisterCall(fn, 0xDEAD0001, 0xDEAD0002, 0xDEAD0003, reversed);
}

// A TDateTime pushed as one argument: high half first, so it lies in memory as a double.
inline void PushDateTime(std::vector<std::uint32_t>& pushed, double value) {
  std::uint64_t bits;
  static_assert(sizeof bits == sizeof value);
  __builtin_memcpy(&bits, &value, sizeof bits);
  pushed.push_back(static_cast<std::uint32_t>(bits >> 32));
  pushed.push_back(static_cast<std::uint32_t>(bits));
}
