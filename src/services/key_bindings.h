// Keys the player has bound to a window's actions. The window's handlers go on hearing the keys
// they always heard (an action's own key); the bindings only say which physical key stands for
// which of those. Keys by name are the names SDL gives them ("Up", "W", "Keypad +", "Left Shift").
#pragma once
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace svc {

// The virtual-key code of a key name, compared without regard to case; 0 for a name the game
// does not know.
int virtualKeyByName(std::string_view name);
// The name of a virtual-key code, as virtualKeyByName reads it; empty for an unknown code.
std::string keyName(int virtualKey);

class KeyBindings {
 public:
  // `key` (an action's own key) is now pressed with `physical` instead. Binding an action to
  // other keys takes its own key away from it, unless that key is bound again.
  void bind(int key, const std::vector<int>& physical);
  // The action key a physical key stands for: its binding, nothing (0) for a key whose action
  // was bound elsewhere, else the key itself.
  int translate(int physical) const;
  bool empty() const { return bound_.empty(); }

 private:
  std::map<int, int> bound_;  // physical key -> action key
  std::set<int> released_;    // action keys bound to other physical keys
};

}  // namespace svc
