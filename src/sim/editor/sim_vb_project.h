#pragma once

// A project of the editor and the file it was saved as, if it ever was.

#include <memory>
#include <string>

#include "host/editor.h"
#include "sim/editor/call_log.h"

namespace tessaly::sim {

class SimVBProject : public host::VBProject {
 public:
  SimVBProject(std::u16string name, std::u16string file_name, bool vb6_host,
               std::shared_ptr<CallLog> calls);

  // VB6 answers an unsaved project with an empty name; the VBA editors refuse it.
  std::u16string FileName() override;

  // Test side; not counted.
  const std::u16string& Name() const { return name_; }
  // The user saves the project as that file; empty: the project was never saved.
  void SetFileName(std::u16string file_name) { file_name_ = std::move(file_name); }

 private:
  std::u16string name_;
  std::u16string file_name_;
  bool vb6_host_;
  std::shared_ptr<CallLog> calls_;
};

}  // namespace tessaly::sim
