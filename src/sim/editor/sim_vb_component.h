#pragma once

// The component a code module belongs to: its name and what kind of component it is.

#include <cstdint>
#include <memory>
#include <string>

#include "host/editor.h"
#include "sim/editor/call_log.h"

namespace tessaly::sim {

class SimVBComponent : public host::VBComponent {
 public:
  SimVBComponent(std::u16string name, std::int32_t type, std::shared_ptr<CallLog> calls)
      : name_(std::move(name)), type_(type), calls_(std::move(calls)) {}

  std::u16string Name() override {
    calls_->Enter(u"VBComponent.Name");
    return name_;
  }
  std::int32_t Type() override {
    calls_->Enter(u"VBComponent.Type");
    return type_;
  }

 private:
  std::u16string name_;
  std::int32_t type_;
  std::shared_ptr<CallLog> calls_;
};

}  // namespace tessaly::sim
