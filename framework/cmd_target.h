#pragma once

#include <windows.h>

#include <cstddef>

// Routes commands to member handlers through a small static table per class.
// A class lists (control id, notification code, handler) entries and chains
// its table to its base class's; the first matching entry wins. Matching the
// notification code keeps a focus or change notification from being taken
// for a click.
class CCmdTarget {
 public:
  using Handler = void (CCmdTarget::*)();

  struct CommandEntry {
    UINT id;
    UINT code;  // BN_CLICKED, CBN_SELCHANGE, ...
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
  bool OnCmdMsg(UINT id, UINT code);

 protected:
  // Overridden by every class that has a table; the base table is empty.
  virtual const CommandMap& GetCommandMap() const;
};

// Table entries for handlers of a class derived from CCmdTarget.
template <class Target>
CCmdTarget::CommandEntry OnCommand(UINT id, UINT code, void (Target::*handler)()) {
  return {id, code, static_cast<CCmdTarget::Handler>(handler)};
}

template <class Target>
CCmdTarget::CommandEntry OnClicked(UINT id, void (Target::*handler)()) {
  return OnCommand(id, BN_CLICKED, handler);
}

template <std::size_t N>
CCmdTarget::CommandMap MakeCommandMap(const CCmdTarget::CommandMap* base,
                                      const CCmdTarget::CommandEntry (&entries)[N]) {
  return {base, entries, entries + N};
}
