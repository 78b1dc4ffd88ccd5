#pragma once

#include "ui/ProgramSeams.h"

namespace trellis {

class ApplicationContext;

// The seams answered by the parts of the program that have landed.
class ProgramServices : public ProgramSeams {
 public:
  explicit ProgramServices(ApplicationContext& app) : app_(app) {}

  void ExportProgram() override;

 private:
  ApplicationContext& app_;
};

}  // namespace trellis
