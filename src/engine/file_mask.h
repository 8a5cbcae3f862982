#pragma once
// TWild: one DOS-style file-name mask ("*.TXT", "AB*X.C", "README"), and the set of
// masks a comparison applies: one include wildcard and up to 32 exclusion masks.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/run_problems.h"

namespace quorvane {

class TWild {
 public:
  TWild() = default;  // "*.*"
  explicit TWild(std::string_view mask) { SetMask(mask); }

  // Upper-cases the text and splits it at its last dot; an empty text matches nothing.
  void SetMask(std::string_view mask);
  bool Matches(std::string_view fileName) const;

  // The mask as shown: name mask + "." + extension mask; empty when it matches nothing.
  const std::string& MaskText() const { return text_; }
  const std::string& NameMask() const { return name_; }
  const std::string& ExtensionMask() const { return extension_; }

  // Position-by-position match of one part; exposed for tests.
  static bool PartMatch(std::string_view text, std::string_view mask, std::size_t significantLength);

 private:
  std::string text_ = "*.*";
  std::string name_ = "*";
  std::string extension_ = "*";
  std::size_t nameSignificant_ = 0;
  std::size_t extensionSignificant_ = 0;
  bool anyName_ = true;
  bool anyExtension_ = true;
};

class FileMasks {
 public:
  static constexpr std::size_t kMaxExclusions = 32;

  TWild Include;
  std::array<TWild, kMaxExclusions> Exclusions;
  std::size_t ExclusionCount = 0;

  // The mask texts refused when these masks were made (an include mask reset to "*.*",
  // an exclude mask that had every exclusion discarded): the next run was not asked to
  // compare as given, and reports them among its problems. The run takes them away.
  std::vector<RunProblem> Refused;

  // The file-name part of the relative path must match no exclusion and the include mask.
  bool Passes(std::string_view relativePath) const;
};

}  // namespace quorvane
