#pragma once

#include <cstddef>

// Routes commands to member handlers through a small static table per class.
// A class lists (control id, notification code, handler) entries and chains
// its table to its base class's; the first matching entry, from the most
// derived table on, wins. Matching the notification code keeps a focus or
// change notification from being taken for a click.
//
// Needs nothing from Windows, so the unit tests reach it natively.
class CCmdTarget {
 public:
  using Handler = void (CCmdTarget::*)();

  struct CommandEntry {
    unsigned id;
    unsigned code;  // BN_CLICKED, CBN_SELCHANGE, ...
    Handler handler;
  };

  struct CommandMap {
    const CommandMap* base;
    const CommandEntry* begin;
    const CommandEntry* end;
  };

  CCmdTarget() = default;
  CCmdTarget(const CCmdTarget&) = delete;
  CCmdTarget& operator=(const CCmdTarget&) = delete;
  virtual ~CCmdTarget() = default;

  // Runs the handler for (id, code) found in this class's table chain;
  // false when there is none.
  bool OnCmdMsg(unsigned id, unsigned code) {
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

 protected:
  // Overridden by every class that has a table; the base table is empty.
  virtual const CommandMap& GetCommandMap() const {
    static const CommandMap kEmpty = {nullptr, nullptr, nullptr};
    return kEmpty;
  }
};

// The notification code of a button click (BN_CLICKED), which is also what
// menus and the dialog keys Enter and Esc send.
constexpr unsigned kClickedCode = 0;

// Table entries for handlers of a class derived from CCmdTarget.
template <class Target>
CCmdTarget::CommandEntry OnCommand(unsigned id, unsigned code, void (Target::*handler)()) {
  return {id, code, static_cast<CCmdTarget::Handler>(handler)};
}

template <class Target>
CCmdTarget::CommandEntry OnClicked(unsigned id, void (Target::*handler)()) {
  return OnCommand(id, kClickedCode, handler);
}

template <std::size_t N>
CCmdTarget::CommandMap MakeCommandMap(const CCmdTarget::CommandMap* base,
                                      const CCmdTarget::CommandEntry (&entries)[N]) {
  return {base, entries, entries + N};
}
