#include "framework/cmd_target.h"

bool CCmdTarget::OnCmdMsg(UINT id, UINT code) {
  for (const CommandMap* map = &GetCommandMap(); map != nullptr; map = map->base) {
    for (const CommandEntry* entry = map->begin; entry != map->end; ++entry) {
      if (entry->id == id && entry->code == code) {
        (this->*entry->handler)();
        return true;
      }
    }
  }
  return false;
}

const CCmdTarget::CommandMap& CCmdTarget::GetCommandMap() const {
  static const CommandMap kEmpty = {nullptr, nullptr, nullptr};
  return kEmpty;
}
