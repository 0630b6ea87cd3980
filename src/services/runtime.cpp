#include "services/runtime.h"

#include <algorithm>

#include "services/errors.h"

namespace svc {

Runtime::Runtime(const Services& services) : services_(services) {
  ui_.clock = services_.clock;
  ui_.text = services_.text;
}

std::string Runtime::path(const std::string& relative) const {
  const bool playersFile = relative.compare(0, 6, "/Data/") == 0;
  if (playersFile && !services_.dataFolder.empty()) return services_.dataFolder + relative;
  return services_.programFolder + relative;
}

ImagePtr Runtime::loadPicture(const std::string& relative) {
  const std::string full = path(relative);
  // Pictures are immutable once decoded, so a picture still in use elsewhere is shared.
  if (auto it = pictureCache_.find(full); it != pictureCache_.end())
    if (ImagePtr p = it->second.lock()) return p;
  ImagePtr p = services_.pictures->load(full);
  pictureCache_[full] = p;
  return p;
}

void Runtime::prefetchPictures(const std::vector<std::string>& relatives) {
  std::vector<std::string> paths;
  for (const std::string& r : relatives) {
    const std::string full = path(r);
    auto it = pictureCache_.find(full);
    if (it == pictureCache_.end() || it->second.expired()) paths.push_back(full);
  }
  services_.pictures->prefetch(paths);
}

void Runtime::loadInto(PictureBox& box, const std::string& relative) {
  box.setPicture(loadPicture(relative), relative);
}

void Runtime::loadInto(ImageBox& box, const std::string& relative) {
  box.setPicture(loadPicture(relative), relative);
}

void Runtime::addForm(Form& form) {
  if (std::find(forms_.begin(), forms_.end(), &form) == forms_.end()) forms_.push_back(&form);
}

Form* Runtime::findForm(const std::string& name) const {
  for (Form* f : forms_)
    if (f->name() == name) return f;
  return nullptr;
}

Form* Runtime::frontForm(WindowSlot slot) const {
  Form* best = nullptr;
  for (Form* f : forms_)
    if (f->slot() == slot && f->loaded() && f->visible() &&
        (!best || f->shownOrder() > best->shownOrder()))
      best = f;
  return best;
}

void Runtime::doEvents() {
  services_.input->poll(queue_);
  // One event at a time from the shared queue: a handler that processes events itself takes
  // the following ones, as the platform's event processing does.
  while (!queue_.empty()) {
    InputEvent e = std::move(queue_.front());
    queue_.pop_front();
    dispatch(e);
  }
  for (Form* f : std::vector<Form*>(forms_)) {
    if (!f->loaded()) continue;
    for (Timer* t : std::vector<Timer*>(f->timers())) t->fireIfDue();
  }
  present();
}

void Runtime::present() {
  for (WindowSlot slot : {WindowSlot::Main, WindowSlot::Tool}) {
    Form* f = frontForm(slot);
    if (!f) {
      if (presentedForm_[slot]) services_.presenter->hide(slot);
      presentedForm_[slot] = nullptr;
      continue;
    }
    const std::uint64_t v = f->version();
    if (presentedForm_[slot] == f && presentedVersion_[slot] == v &&
        !services_.presenter->wantsPicture(slot))
      continue;
    services_.presenter->present(slot, *f);
    presentedForm_[slot] = f;
    presentedVersion_[slot] = v;
  }
}

bool Runtime::nextTimerDue(std::uint32_t* due) const {
  bool any = false;
  const std::uint32_t now = services_.clock->ticks();
  std::int32_t best = 0;
  for (Form* f : forms_) {
    if (!f->loaded()) continue;
    for (Timer* t : f->timers()) {
      if (!t->enabled() || t->interval() <= 0 || t->isQuiet()) continue;
      const std::int32_t d = static_cast<std::int32_t>(t->due() - now);
      if (!any || d < best) best = d;
      any = true;
    }
  }
  if (any) *due = now + std::uint32_t(std::max(best, 0));
  return any;
}

void Runtime::run() {
  for (;;) {
    doEvents();
    std::uint32_t due = 0;
    const bool hasDeadline = nextTimerDue(&due);
    services_.input->waitForInput(due, hasDeadline);
    passQuietTicks();
  }
}

void Runtime::passQuietTicks() {
  // A quiet timer did not wake the wait; had it done so, each of its ticks before now would
  // have fired on time, doing nothing.
  for (Form* f : forms_)
    if (f->loaded())
      for (Timer* t : f->timers()) t->passQuietTicks();
}

void Runtime::idleWait(std::uint32_t untilTick) {
  std::uint32_t due = 0;
  if (nextTimerDue(&due) && tickAfter(untilTick, due)) untilTick = due;
  services_.input->waitForInput(untilTick, true);
  passQuietTicks();
}

void Runtime::dispatch(const InputEvent& e) {
  using T = InputEvent::Type;
  if (e.type == T::Quit) {
    if (onQuit) onQuit();
    throw ProgramEnd{false};
  }
  Form* form = frontForm(e.slot);
  const bool pad = e.type == T::PadDown || e.type == T::PadUp || e.type == T::PadAxis;
  // A controller works the front window, the small start-up window when it is the only one.
  if (pad && !form) form = frontForm(WindowSlot::Tool);
  if (e.type == T::PadDown || e.type == T::PadUp) {
    padInput(form, static_cast<Pad>(e.pad), e.type == T::PadDown);
    return;
  }
  if (e.type == T::PadAxis) {
    for (const PadChange& c : padAxes_.move(static_cast<PadAxis>(e.pad), e.value))
      padInput(form, c.input, c.pressed);
    return;
  }
  if (!form) return;
  switch (e.type) {
    case T::KeyDown:
    case T::KeyUp: {
      // The player's bindings stand between the keyboard and a form that takes them.
      const int key = form->takesKeyBindings ? keyBindings_.translate(e.key) : e.key;
      if (key == 0) return;
      if (e.type == T::KeyUp) {
        if (form->onKeyUp) form->onKeyUp(key);
        return;
      }
      if (key == 8 && form->focus) form->focus->backspace();
      if (form->onKeyDown) form->onKeyDown(key);
      return;
    }
    case T::Text:
      if (form->focus) form->focus->typeText(e.text);
      return;
    default:
      break;
  }
  // The pointer takes over from the controller's highlight.
  if (e.type == T::MouseDown && form->highlight()) form->setHighlight(nullptr);
  // Mouse: the topmost visible control under the pointer, or the one that holds the mouse
  // since the button went down.
  int lx = e.x, ly = e.y;
  Control* target = form->hitTest(e.x, e.y, &lx, &ly);
  if (captured_ && capturedForm_ == form && e.type != T::MouseDown) {
    // Coordinates relative to the captured control.
    int ox = 0, oy = 0;
    for (Control* c = captured_; c; c = c->parent()) {
      ox += c->left();
      oy += c->top();
    }
    const bool inside = target == captured_;
    target = captured_;
    lx = e.x - ox;
    ly = e.y - oy;
    if (e.type == T::MouseUp) {
      captured_ = nullptr;
      capturedForm_ = nullptr;
      if (target->mouse.up) target->mouse.up(e.button, lx, ly);
      if (inside && e.button == 1 && target->mouse.click) {
        if (form->onControlClick) form->onControlClick();
        target->mouse.click();
      }
      return;
    }
  }
  if (!target) {
    auto& h = form->mouse;
    if (e.type == T::MouseDown && h.down) h.down(e.button, e.x, e.y);
    if (e.type == T::MouseUp && h.up) h.up(e.button, e.x, e.y);
    if (e.type == T::MouseMove && h.move) h.move(e.button, e.x, e.y);
    return;
  }
  switch (e.type) {
    case T::MouseDown:
      captured_ = target;
      capturedForm_ = form;
      if (target->kind() == ControlKind::TextBox) {
        form->focus = static_cast<TextBox*>(target);
        form->changed();
      }
      if (target->mouse.down) target->mouse.down(e.button, lx, ly);
      break;
    case T::MouseUp:
      if (target->mouse.up) target->mouse.up(e.button, lx, ly);
      break;
    case T::MouseMove:
      if (target->mouse.move) target->mouse.move(e.button, lx, ly);
      break;
    default:
      break;
  }
}

void Runtime::padInput(Form* form, Pad input, bool pressed) {
  const int id = static_cast<int>(input);
  if (!pressed) {
    // A release lets go of the key its press gave, whatever the form does now.
    auto held = padHeld_.find(id);
    if (held == padHeld_.end()) return;
    const HeldPad h = held->second;
    padHeld_.erase(held);
    if (h.form->loaded() && h.form->onKeyUp) h.form->onKeyUp(h.key);
    return;
  }
  if (!form || padHeld_.count(id)) return;
  auto pressKey = [&](int key) {
    padHeld_[id] = {form, key};
    if (form->onKeyDown) form->onKeyDown(key);
  };
  const auto bound = form->padKeys.find(id);
  if (form->padDrives && form->padDrives()) {
    if (bound != form->padKeys.end()) pressKey(bound->second);
    return;
  }
  switch (input) {
    case Pad::DpadRight:
    case Pad::DpadDown:
    case Pad::StickRight:
    case Pad::StickDown:
      moveHighlight(*form, 1);
      return;
    case Pad::DpadLeft:
    case Pad::DpadUp:
    case Pad::StickLeft:
    case Pad::StickUp:
      moveHighlight(*form, -1);
      return;
    case Pad::A: {
      const std::vector<Control*> targets = form->padTargets();
      const auto at = std::find(targets.begin(), targets.end(), form->highlight());
      if (at == targets.end()) {
        moveHighlight(*form, 1);  // nothing highlighted on screen yet: show where A would click
        return;
      }
      clickAtCentre(*form, **at);
      return;
    }
    case Pad::B: {
      const std::vector<Control*> targets = form->padTargets();
      if (form->padBack &&
          std::find(targets.begin(), targets.end(), form->padBack) != targets.end())
        clickAtCentre(*form, *form->padBack);
      return;
    }
    default:
      if (bound != form->padKeys.end()) pressKey(bound->second);
      return;
  }
}

void Runtime::moveHighlight(Form& form, int step) {
  const std::vector<Control*> targets = form.padTargets();
  if (targets.empty()) {
    form.setHighlight(nullptr);
    return;
  }
  const auto at = std::find(targets.begin(), targets.end(), form.highlight());
  const int n = static_cast<int>(targets.size());
  int i = 0;
  if (at == targets.end())
    i = step > 0 ? 0 : n - 1;  // from off screen: the first or the last
  else
    i = (static_cast<int>(at - targets.begin()) + step + n) % n;
  form.setHighlight(targets[std::size_t(i)]);
  hoverAtCentre(form, *targets[std::size_t(i)]);
}

void Runtime::hoverAtCentre(Form& form, const Control& control) {
  int x = 0, y = 0;
  Form::formPosition(control, &x, &y);
  InputEvent e;
  e.slot = form.slot();
  e.type = InputEvent::Type::MouseMove;
  e.button = 0;
  e.x = x + control.width() / 2;
  e.y = y + control.height() / 2;
  dispatch(e);
}

void Runtime::clickAtCentre(Form& form, const Control& control) {
  int x = 0, y = 0;
  Form::formPosition(control, &x, &y);
  InputEvent e;
  e.slot = form.slot();
  e.x = x + control.width() / 2;
  e.y = y + control.height() / 2;
  e.button = 1;
  // The highlight stays where it is: the press comes from the controller, not the pointer.
  Control* const kept = form.highlight();
  e.type = InputEvent::Type::MouseDown;
  dispatch(e);
  form.setHighlight(kept);
  e.type = InputEvent::Type::MouseUp;
  dispatch(e);
}

}  // namespace svc
