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
    if (presentedForm_[slot] == f && presentedVersion_[slot] == v) continue;
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
      if (!t->enabled() || t->interval() <= 0) continue;
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
  }
}

void Runtime::idleWait(std::uint32_t untilTick) {
  std::uint32_t due = 0;
  if (nextTimerDue(&due) && tickAfter(untilTick, due)) untilTick = due;
  services_.input->waitForInput(untilTick, true);
}

void Runtime::dispatch(const InputEvent& e) {
  using T = InputEvent::Type;
  if (e.type == T::Quit) {
    if (onQuit) onQuit();
    throw ProgramEnd{false};
  }
  Form* form = frontForm(e.slot);
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

}  // namespace svc
