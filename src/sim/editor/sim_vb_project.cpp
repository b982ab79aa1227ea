#include "sim/editor/sim_vb_project.h"

#include <utility>

namespace tessaly::sim {

SimVBProject::SimVBProject(std::u16string name, std::u16string file_name, bool vb6_host,
                           std::shared_ptr<CallLog> calls)
    : name_(std::move(name)),
      file_name_(std::move(file_name)),
      vb6_host_(vb6_host),
      calls_(std::move(calls)) {}

std::u16string SimVBProject::FileName() {
  calls_->Enter(u"VBProject.FileName");
  if (file_name_.empty() && !vb6_host_) throw calls_->Refused("Path not found");
  return file_name_;
}

}  // namespace tessaly::sim
