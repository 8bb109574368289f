// A bounded, thread-safe memo for pure functions the details call again and again.

#include "remembered.h"

namespace quorvel::chemistry::detail {
namespace {

template <class Value>
void AppendBytes(std::string& key, const Value& value) {
  key.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// The magnitude's limbs, its length and its sign: exact, with no division.
void AppendInteger(std::string& key, const Integer& value) {
  const auto& backend = value.backend();
  AppendBytes(key, static_cast<unsigned>(backend.size()) * 2U + (backend.sign() ? 1U : 0U));
  key.append(reinterpret_cast<const char*>(backend.limbs()),
             backend.size() * sizeof(*backend.limbs()));
}

}  // namespace

std::string AtomsKey(const Species& species) {
  std::string key;
  for (const AtomCount& atoms : species.atoms) {
    AppendBytes(key, atoms.element);
    AppendBytes(key, atoms.mass);
    AppendInteger(key, atoms.count);
  }
  AppendInteger(key, species.charge);
  return key;
}

}  // namespace quorvel::chemistry::detail
