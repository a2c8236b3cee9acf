#include "registry/set_key_value.h"

#include "common/skip_on_failure.h"

namespace slotmate {
namespace {

// Query, set, create and enumerate sub-keys, notify and create link: what
// writing a value needs, without the standard rights KEY_ALL_ACCESS adds.
constexpr std::uint32_t kKeyAccess = 0x3F;

// Closes the opened or created key on every way out.
class OpenedKey {
 public:
  explicit OpenedKey(platform::Registry& registry) : registry_(registry) {}
  ~OpenedKey() {
    if (key != 0) registry_.CloseKey(key);
  }
  OpenedKey(const OpenedKey&) = delete;
  OpenedKey& operator=(const OpenedKey&) = delete;
  platform::RegistryKey key = 0;

 private:
  platform::Registry& registry_;
};

}  // namespace

bool SetKeyValue(platform::Registry& registry, platform::RegistryKey KeyRoot,
                 const std::string& KeyName, std::uint32_t lType,
                 const std::string& SubKeyRef, const std::string& KeyVal) noexcept {
  long status = -1;
  SkipOnFailure([&] {
    OpenedKey opened(registry);
    status = registry.OpenKeyEx(KeyRoot, KeyName, kKeyAccess, &opened.key);
    if (status != platform::kErrorSuccess) {
      opened.key = 0;
      // The kept status still reports the failed open; only a successful
      // write below turns it into success.
      registry.CreateKey(KeyRoot, KeyName, &opened.key);
    }
    if (lType == platform::kRegSz) {
      // The text and its terminating NUL, which the byte count includes.
      std::string data = KeyVal;
      data.push_back('\0');
      status = registry.SetValueEx(opened.key, SubKeyRef, platform::kRegSz, data);
    }
  });
  return status == platform::kErrorSuccess;
}

}  // namespace slotmate
