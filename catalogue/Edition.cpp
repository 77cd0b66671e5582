#include "catalogue/Edition.h"

#include "BuildConfig.h"

namespace quillmoor {

std::string EditionLabelForName(const std::string& name) {
  if (name == "structure") return kStructureEditionLabel;
  if (name == "architecture") return kArchitectureEditionLabel;
  return {};
}

std::string BuildEditionLabel() { return EditionLabelForName(build::kEdition); }

EditionFiles EditionFilesFor(const std::string& editionLabel) {
  if (editionLabel == kStructureEditionLabel)
    return {"struct.dll", "structure", "structure_cate", "结构.xls"};
  if (editionLabel == kArchitectureEditionLabel)
    return {"archi.dll", "architecture", "architecture_cate", "建筑.xls"};
  return {};
}

}  // namespace quillmoor
