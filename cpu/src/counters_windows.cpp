#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <array>
#include <cstddef>
#include <cstring>

#include "quorvel/cpu/counter_source.h"

namespace quorvel::cpu {
namespace {

using NtQuerySystemInformationFn = LONG(WINAPI*)(ULONG information_class, PVOID buffer,
                                                 ULONG buffer_length, PULONG returned_length);

constexpr ULONG kSystemBasicInformation = 0;
constexpr ULONG kSystemPerformanceInformation = 2;
constexpr ULONG kSystemTimeOfDayInformation = 3;

// The basic information holds three pointer-sized fields before the
// processor count, and the kernel accepts only its exact length: 44 bytes
// with the count at byte 40 for a 32-bit process, 64 bytes with the count at
// byte 56 for a 64-bit one.
constexpr bool kPointersAre64Bit = sizeof(void*) == 8;
constexpr std::size_t kBasicInformationLength = kPointersAre64Bit ? 64 : 44;
constexpr std::size_t kNumberOfProcessorsOffset = kPointersAre64Bit ? 56 : 40;
constexpr std::size_t kTimeOfDayInformationLength = 32;
constexpr std::size_t kCurrentTimeOffset = 8;
constexpr std::size_t kPerformanceInformationLength = 312;
constexpr std::size_t kIdleTimeOffset = 0;

class NtCounterSource : public CounterSource {
 public:
  NtCounterSource() {
    // Looked up at run time: the function is not in the import libraries
    // every toolchain ships.
    if (HMODULE ntdll = GetModuleHandleW(L"ntdll.dll")) {
      if (FARPROC address = GetProcAddress(ntdll, "NtQuerySystemInformation")) {
        query_ =
            reinterpret_cast<NtQuerySystemInformationFn>(reinterpret_cast<void (*)()>(address));
      }
    }
  }

  std::optional<std::uint32_t> QueryProcessorCount() override {
    std::array<unsigned char, kBasicInformationLength> buffer{};
    if (!Query(kSystemBasicInformation, buffer)) return std::nullopt;
    return std::uint32_t{buffer[kNumberOfProcessorsOffset]};
  }

  std::optional<LargeCounter> QuerySystemTime() override {
    std::array<unsigned char, kTimeOfDayInformationLength> buffer{};
    if (!Query(kSystemTimeOfDayInformation, buffer)) return std::nullopt;
    return CounterAt(buffer.data() + kCurrentTimeOffset);
  }

  std::optional<LargeCounter> QueryIdleTime() override {
    std::array<unsigned char, kPerformanceInformationLength> buffer{};
    if (!Query(kSystemPerformanceInformation, buffer)) return std::nullopt;
    return CounterAt(buffer.data() + kIdleTimeOffset);
  }

 private:
  // The buffer arrives zeroed; a non-zero status is a failed query.
  template <std::size_t Length>
  bool Query(ULONG information_class, std::array<unsigned char, Length>& buffer) const {
    if (query_ == nullptr) return false;
    return query_(information_class, buffer.data(), static_cast<ULONG>(Length), nullptr) == 0;
  }

  // The field need not be aligned inside the byte buffer.
  static LargeCounter CounterAt(const unsigned char* field) {
    LargeCounter counter = 0;
    std::memcpy(&counter, field, sizeof counter);
    return counter;
  }

  NtQuerySystemInformationFn query_ = nullptr;
};

}  // namespace

std::unique_ptr<CounterSource> MakePlatformCounterSource() {
  return std::make_unique<NtCounterSource>();
}

}  // namespace quorvel::cpu
