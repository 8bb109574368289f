#pragma once

// Where the user's choices are kept between runs: a file, the registry. Each
// front end only stores and fetches text; the form decides what a value
// means, so a damaged store reads the same way everywhere.
#include <optional>
#include <string>
#include <string_view>

namespace quorvel::form {

class Settings {
 public:
  virtual ~Settings() = default;
  // nullopt when there is no value or it cannot be read.
  virtual std::optional<std::string> Value(std::string_view key) const = 0;
  // False when the value could not be stored.
  virtual bool SetValue(std::string_view key, std::string_view value) = 0;
};

}  // namespace quorvel::form
